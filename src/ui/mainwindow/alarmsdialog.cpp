// The alarm signals' dialog.
#include "ui/mainwindow/alarmsdialog.h"

#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace alarms = corvalin::alarms;

AlarmsDialog::AlarmsDialog(const std::vector<alarms::Signal>& stored, const QStringList& sounds, Save save,
                           QWidget* parent)
    : QDialog(parent), m_save(std::move(save)) {
    setObjectName(QStringLiteral("alarmsDialog"));
    setWindowTitle(tr("Alarm signals"));
    auto* text = new QLabel(tr("Each signal sounds at once from the Alarm menu, after a question, and "
                               "rings on the bell card for its times or until it is stopped. A row "
                               "with no name is no signal."),
                            this);
    text->setWordWrap(true);
    auto* grid = new QGridLayout;
    //: A column: the alarm signal's name
    grid->addWidget(new QLabel(tr("Name"), this), 0, 0);
    //: A column: the alarm signal's sound
    grid->addWidget(new QLabel(tr("Sound"), this), 0, 1);
    //: A column: how many times the alarm signal rings
    grid->addWidget(new QLabel(tr("Times"), this), 0, 2);
    for (int i = 0; i < alarms::kMostSignals; ++i) {
        const alarms::Signal signal = i < static_cast<int>(stored.size()) ? stored[i] : alarms::Signal{};
        const QString number = QString::number(i + 1);
        Row row{new QLineEdit(QString::fromStdString(signal.name), this), new QComboBox(this),
                new QSpinBox(this)};
        row.name->setObjectName(QStringLiteral("alarmName") + number);
        row.name->setMaxLength(static_cast<int>(alarms::kLongestName));
        row.sound->setObjectName(QStringLiteral("alarmSound") + number);
        row.sound->setMinimumWidth(180);
        for (const QString& sound : sounds) {
            row.sound->addItem(sound, sound);
        }
        const QString storedSound = QString::fromStdString(signal.sound);
        if (!storedSound.isEmpty()) {
            int at = row.sound->findData(storedSound);
            if (at < 0) {
                // Kept as it is, and marked: the signal cannot sound until the file is back.
                //: %1: a sound file's name
                row.sound->insertItem(0, tr("%1 (not in the sound folder)").arg(storedSound), storedSound);
                row.sound->setItemData(0, QBrush(QColor(176, 0, 32)), Qt::ForegroundRole);
                at = 0;
            }
            row.sound->setCurrentIndex(at);
        }
        row.times->setObjectName(QStringLiteral("alarmTimes") + number);
        row.times->setRange(0, alarms::kMostTimes);
        //: How many times an alarm signal rings: none set, it rings until it is stopped
        row.times->setSpecialValueText(tr("until stopped"));
        //: %1: the row's number
        row.name->setAccessibleName(tr("Name of alarm signal %1").arg(number));
        //: %1: the row's number
        row.sound->setAccessibleName(tr("Sound of alarm signal %1").arg(number));
        //: %1: the row's number
        row.times->setAccessibleName(tr("Times alarm signal %1 rings").arg(number));
        row.times->setValue(signal.times);
        grid->addWidget(row.name, i + 1, 0);
        grid->addWidget(row.sound, i + 1, 1);
        grid->addWidget(row.times, i + 1, 2);
        m_rows.push_back(row);
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("alarmsProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("alarmsOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("alarmsCancel"));
    connect(ok, &QPushButton::clicked, this, &AlarmsDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(grid);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);
}

std::vector<alarms::Signal> AlarmsDialog::signalsOnScreen() const {
    std::vector<alarms::Signal> set;
    for (const Row& row : m_rows) {
        const QString name = row.name->text().trimmed();
        if (!name.isEmpty()) {
            set.push_back(
                {name.toStdString(), row.sound->currentData().toString().toStdString(), row.times->value()});
        }
    }
    return set;
}

void AlarmsDialog::onOkClicked() {
    const std::vector<alarms::Signal> set = signalsOnScreen();
    std::vector<alarms::Signal> kept;
    for (const alarms::Signal& signal : set) {
        if (const std::string why = alarms::refusal(signal, kept); !why.empty()) {
            //: %1: why the alarm signals cannot be saved
            m_problem->setText(tr("Not saved: %1.").arg(QString::fromStdString(why)));
            m_problem->show();
            return;
        }
        kept.push_back(signal);
    }
    if (!m_save(kept)) {
        m_problem->setText(
            tr("The alarm signals could not be written to the data folder (the ring log "
               "says why); they hold until the program ends. OK tries again."));
        m_problem->show();
        return;
    }
    accept();
}
