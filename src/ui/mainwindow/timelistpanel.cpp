// The manual time list and its templates.
#include "ui/mainwindow/timelistpanel.h"

#include <QBoxLayout>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/schedule/settingsstore.h"
#include "engine/schedule/settingsformat.h"
#include "engine/schedule/timeentry.h"
#include "engine/sound/bellrules.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/templates/templet.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

TimeListPanel::TimeListPanel(const PanelServices& services, SoundsPanel* sounds, QWidget* window)
    : QObject(window), m_services(services), m_sounds(sounds), m_window(window) {
    const QString& img = m_services.imageFolder;
    inputFrame = named(new QGroupBox(tr("Input time (Add after selecting sound)"), window), "inputFrame");
    inputHourBox = numberBox("inputHourBox", QStringLiteral("0"), 32767, inputFrame);
    inputMinuteBox = numberBox("inputMinuteBox", QStringLiteral("5"), 32767, inputFrame);
    inputHourSpin = named(new Spinner(0, 24, 0, false, inputFrame), "inputHourSpin");
    inputMinuteSpin = named(new Spinner(0, 60, 59, false, inputFrame), "inputMinuteSpin");
    //: Adds the time typed, with the sound chosen, to the list
    addTimeButton = imageButton("addTimeButton", tr("Add"), img, QStringLiteral("TimeAdd.gif"),
                                QStringLiteral("TimeAdd1.gif"), QStringLiteral("TimeAdd2.gif"), window);
    auto* inputLayout = new QHBoxLayout(inputFrame);
    inputLayout->addWidget(inputHourBox);
    inputLayout->addWidget(inputHourSpin);
    //: Unit after an hour box: hours
    inputLayout->addWidget(new QLabel(tr("hr"), inputFrame));
    inputLayout->addWidget(inputMinuteBox);
    inputLayout->addWidget(inputMinuteSpin);
    //: Unit after a minute box: minutes
    inputLayout->addWidget(new QLabel(tr("min"), inputFrame));
    inputLayout->addStretch();
    inputLayout->addWidget(addTimeButton);

    inputHourBox->setAccessibleName(tr("Hour of the bell to add"));
    inputMinuteBox->setAccessibleName(tr("Minute of the bell to add"));
    for (QLineEdit* box : {inputHourBox, inputMinuteBox}) {
        box->setAccessibleDescription(tr("The Up and Down keys step it"));
    }
    addTimeButton->setAccessibleDescription(
        tr("Adds the time typed, with the sound chosen, to the added times"));

    //: "Added times (24-hour clock)"
    addedFrame = named(new QGroupBox(tr("Added time (Type 24Hour)"), window), "addedFrame");
    bellTimeList = named(new QListWidget(addedFrame), "bellTimeList");
    bellTimeList->setAccessibleName(tr("Added times"));
    bellTimeList->setAccessibleDescription(tr("Each bell's time and sound"));
    bellTimeList->setSortingEnabled(true);
    bellTimeList->setSelectionMode(QAbstractItemView::SingleSelection);
    //: Deletes the time chosen in the list
    deleteTimeButton = imageButton("deleteTimeButton", tr("Delete"), img, QStringLiteral("TimeDel.gif"),
                                   QStringLiteral("TimeDel1.gif"), QStringLiteral("TimeDel2.gif"), window);
    changeSoundButton =
        imageButton("changeSoundButton", tr("Change sound"), img, QStringLiteral("TimeMod.gif"),
                    QStringLiteral("TimeMod1.gif"), QStringLiteral("TimeMod2.gif"), window);
    deleteAllButton = imageButton("deleteAllButton", tr("Delete all"), img, QStringLiteral("allDel.gif"),
                                  QStringLiteral("allDel1.gif"), QStringLiteral("allDel2.gif"), window);
    auto* addedLayout = new QGridLayout(addedFrame);
    addedLayout->addWidget(bellTimeList, 0, 0, 4, 1);
    addedLayout->addWidget(deleteTimeButton, 0, 1);
    addedLayout->addWidget(changeSoundButton, 1, 1);
    addedLayout->addWidget(deleteAllButton, 2, 1);
    applyTemplateButton =
        //: "Apply template": puts a saved list of times in the list's place
        imageButton("applyTemplateButton", tr("Apply templet"), img, QStringLiteral("applyTemplet.gif"),
                    QStringLiteral("applyTempletDown.gif"), QStringLiteral("applyTempletDis.gif"), window);

    deleteTimeButton->setAccessibleDescription(tr("Deletes the time chosen in the added times"));
    changeSoundButton->setAccessibleDescription(
        tr("Gives the time chosen in the added times the sound chosen in the sound list"));
    deleteAllButton->setAccessibleDescription(tr("Deletes every added time"));
    applyTemplateButton->setAccessibleDescription(
        tr("Puts a template's times in the place of the added times"));

    linkSpinner(inputHourSpin, inputHourBox, 24, 0);
    linkSpinner(inputMinuteSpin, inputMinuteBox, 60, 0);
    connect(addTimeButton, &QPushButton::clicked, this, &TimeListPanel::onAddTimeClicked);
    connect(deleteTimeButton, &QPushButton::clicked, this, &TimeListPanel::onDeleteTimeClicked);
    connect(changeSoundButton, &QPushButton::clicked, this, &TimeListPanel::onChangeSoundClicked);
    connect(deleteAllButton, &QPushButton::clicked, this, &TimeListPanel::onDeleteAllClicked);
    connect(applyTemplateButton, &QPushButton::clicked, this, &TimeListPanel::onApplyTemplateClicked);
}

void TimeListPanel::placeIn(QBoxLayout* column) {
    column->addWidget(inputFrame);
    column->addWidget(addedFrame, 1);
    column->addWidget(applyTemplateButton, 0, Qt::AlignRight);
}

void TimeListPanel::setShown(bool shown) {
    for (QWidget* w : std::initializer_list<QWidget*>{inputFrame, addedFrame, applyTemplateButton}) {
        w->setVisible(shown);
    }
}

void TimeListPanel::showTempletButton() {
    applyTemplateButton->show();
}

void TimeListPanel::lock(bool locked) {
    for (ImageButton* button :
         {addTimeButton, deleteTimeButton, deleteAllButton, changeSoundButton, applyTemplateButton}) {
        lockButton(button, locked);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{inputHourBox, inputMinuteBox, inputHourSpin, inputMinuteSpin}) {
        control->setEnabled(!locked);
    }
}

std::vector<std::string> TimeListPanel::entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < bellTimeList->count(); ++i) {
        entries.push_back(bellTimeList->item(i)->text().toStdString());
    }
    return entries;
}

void TimeListPanel::showEntries(const std::vector<std::string>& entries) {
    for (const auto& entry : entries) {
        bellTimeList->addItem(QString::fromStdString(entry));
    }
}

void TimeListPanel::clear() {
    bellTimeList->clear();
}

void TimeListPanel::onAddTimeClicked() {
    const QString sound = m_sounds->selectedSound();
    if (sound.isEmpty()) {
        //: "Select a bell sound in [Select bell sound]"
        m_services.dialogs->warning(m_window, tr("Select bell sound int [Select bell sound]"));
        return;
    }
    if (!corvalin::sound::isBellSoundName(sound.toStdString())) {
        //: "Add only sound files to the sound folder. Please delete the other files from" %1: the folder
        m_services.dialogs->warning(
            m_window, tr("Add Only wave file to sound folder. Please, delete non wave file from\n%1.")
                          .arg(QDir::toNativeSeparators(m_services.soundFolder)));
        return;
    }
    if (m_sounds->refuseSound(sound)) {
        return;
    }
    const auto key =
        corvalin::timelist::timeKey(inputHourBox->text().toStdString(), inputMinuteBox->text().toStdString());
    if (!key.ok()) {
        m_services.dialogs->warning(m_window, QString::fromStdString(key.message));
        return;
    }
    insertBellTime(QString::fromStdString(key.key));
    Q_EMIT edited();
}

void TimeListPanel::insertBellTime(const QString& timeKey) {
    if (corvalin::timelist::hasKey(entries(), timeKey.toStdString())) {
        //: "That time is in the list already."
        m_services.dialogs->warning(m_window, tr("The corresponding time is being register already."));
        return;
    }
    bellTimeList->addItem(timeKey + QLatin1Char('/') + m_sounds->selectedSound());
}

void TimeListPanel::onDeleteTimeClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs->warning(m_window, tr("Select time that you want to delete in [Added time]"));
        return;
    }
    delete bellTimeList->takeItem(bellTimeList->row(selected.first()));
    Q_EMIT edited();
}

void TimeListPanel::onChangeSoundClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs->warning(m_window, tr("Select time that you want to modify in [Added time]"));
        return;
    }
    const QString sound = m_sounds->selectedSound();
    if (sound.isEmpty()) {
        m_services.dialogs->warning(m_window, tr("Select bell sound in [Select bell sound]"));
        return;
    }
    if (m_sounds->refuseSound(sound)) {
        return;
    }
    QListWidgetItem* item = selected.last();
    item->setText(QString::fromStdString(
        corvalin::timelist::withSound(item->text().toStdString(), sound.toStdString())));
    Q_EMIT edited();
}

void TimeListPanel::onDeleteAllClicked() {
    //: A box's title: deleting times
    const auto answer =
        m_services.dialogs->message(m_window, tr("Delete"), tr("Delete all times of time box?"),
                                    Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    bellTimeList->clear();
    Q_EMIT edited();
}

// --- Templates ---

Templet* TimeListPanel::templetWindow() {
    if (!m_templet) {
        m_templet = new Templet(m_services.imageFolder, m_window);
        connect(m_templet, &Templet::applyRequested, this, [this](int k) {
            if (applyTemplate(k)) {
                m_templet->hide();
            }
        });
    }
    return m_templet;
}

void TimeListPanel::onApplyTemplateClicked() {
    m_services.dialogs->showModal(templetWindow());
}

bool TimeListPanel::applyTemplate(int k) {
    const auto stored = m_services.store->loadTemplate(k);
    if (!stored) {
        // A template never saved (or damaged) changes nothing.
        const QString file = QString::fromStdString(
            corvalin::settings::dayTimesFile(corvalin::settings::templateDay(k)));
        //: "Template %1 has no saved times: %2" (%2: its file)
        m_services.dialogs->warning(
            m_window, tr("templet%1 has no saved times: %2")
                          .arg(QString::number(k), QDir::toNativeSeparators(m_services.store->path(file))));
        return false;
    }
    bellTimeList->clear();
    showEntries(stored->entries);
    Q_EMIT templetApplied(stored->noBell);
    return true;
}
