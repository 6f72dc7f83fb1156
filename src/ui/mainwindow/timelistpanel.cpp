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
    inputFrame = named(new QGroupBox(QStringLiteral("Input time (Add after selecting sound)"), window), "inputFrame");
    inputHourBox = numberBox("inputHourBox", QStringLiteral("0"), 32767, inputFrame);
    inputMinuteBox = numberBox("inputMinuteBox", QStringLiteral("5"), 32767, inputFrame);
    inputHourSpin = named(new Spinner(0, 24, 0, false, inputFrame), "inputHourSpin");
    inputMinuteSpin = named(new Spinner(0, 60, 59, false, inputFrame), "inputMinuteSpin");
    addTimeButton = imageButton("addTimeButton", QStringLiteral("Add"), img, QStringLiteral("TimeAdd.gif"),
                                QStringLiteral("TimeAdd1.gif"), QStringLiteral("TimeAdd2.gif"), window);
    auto* inputLayout = new QHBoxLayout(inputFrame);
    inputLayout->addWidget(inputHourBox);
    inputLayout->addWidget(inputHourSpin);
    inputLayout->addWidget(new QLabel(QStringLiteral("hr"), inputFrame));
    inputLayout->addWidget(inputMinuteBox);
    inputLayout->addWidget(inputMinuteSpin);
    inputLayout->addWidget(new QLabel(QStringLiteral("min"), inputFrame));
    inputLayout->addStretch();
    inputLayout->addWidget(addTimeButton);

    addedFrame = named(new QGroupBox(QStringLiteral("Added time (Type 24Hour)"), window), "addedFrame");
    bellTimeList = named(new QListWidget(addedFrame), "bellTimeList");
    bellTimeList->setSortingEnabled(true);
    bellTimeList->setSelectionMode(QAbstractItemView::SingleSelection);
    deleteTimeButton = imageButton("deleteTimeButton", QStringLiteral("Delete"), img, QStringLiteral("TimeDel.gif"),
                                   QStringLiteral("TimeDel1.gif"), QStringLiteral("TimeDel2.gif"), window);
    changeSoundButton =
        imageButton("changeSoundButton", QStringLiteral("Change sound"), img, QStringLiteral("TimeMod.gif"),
                    QStringLiteral("TimeMod1.gif"), QStringLiteral("TimeMod2.gif"), window);
    deleteAllButton = imageButton("deleteAllButton", QStringLiteral("Delete all"), img, QStringLiteral("allDel.gif"),
                                  QStringLiteral("allDel1.gif"), QStringLiteral("allDel2.gif"), window);
    auto* addedLayout = new QGridLayout(addedFrame);
    addedLayout->addWidget(bellTimeList, 0, 0, 4, 1);
    addedLayout->addWidget(deleteTimeButton, 0, 1);
    addedLayout->addWidget(changeSoundButton, 1, 1);
    addedLayout->addWidget(deleteAllButton, 2, 1);
    applyTemplateButton =
        imageButton("applyTemplateButton", QStringLiteral("Apply templet"), img, QStringLiteral("applyTemplet.gif"),
                    QStringLiteral("applyTempletDown.gif"), QStringLiteral("applyTempletDis.gif"), window);

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
        m_services.dialogs->warning(m_window, QStringLiteral("Select bell sound int [Select bell sound]"));
        return;
    }
    if (!corvalin::sound::isBellSoundName(sound.toStdString())) {
        m_services.dialogs->warning(
            m_window, QStringLiteral("Add Only wave file to sound folder. Please, delete non wave file from") +
                          QLatin1Char('\n') + QDir::toNativeSeparators(m_services.soundFolder) + QLatin1Char('.'));
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
        m_services.dialogs->warning(m_window, QStringLiteral("The corresponding time is being register already."));
        return;
    }
    bellTimeList->addItem(timeKey + QLatin1Char('/') + m_sounds->selectedSound());
}

void TimeListPanel::onDeleteTimeClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs->warning(m_window, QStringLiteral("Select time that you want to delete in [Added time]"));
        return;
    }
    delete bellTimeList->takeItem(bellTimeList->row(selected.first()));
    Q_EMIT edited();
}

void TimeListPanel::onChangeSoundClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs->warning(m_window, QStringLiteral("Select time that you want to modify in [Added time]"));
        return;
    }
    const QString sound = m_sounds->selectedSound();
    if (sound.isEmpty()) {
        m_services.dialogs->warning(m_window, QStringLiteral("Select bell sound in [Select bell sound]"));
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
    const auto answer = m_services.dialogs->message(m_window, QStringLiteral("Delete"),
                                                    QStringLiteral("Delete all times of time box?"),
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
        m_services.dialogs->warning(m_window, QStringLiteral("templet%1 has no saved times: ").arg(k) +
                                                  QDir::toNativeSeparators(m_services.store->path(file)));
        return false;
    }
    bellTimeList->clear();
    showEntries(stored->entries);
    Q_EMIT templetApplied(stored->noBell);
    return true;
}
