// Countdown timer window.
#include "ui/countdown/frmcountdown.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <iterator>

#include "core/countdown/countdown.h"
#include "ui/countdown/frmfullscreen.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

FrmCountDown::FrmCountDown(Countdown* countdown, Dialogs* dialogs, FrmFullScreen* fullScreen,
                           const QString& imageFolder, QWidget* parent)
    : QDialog(parent), m_countdown(countdown), m_dialogs(dialogs), m_fullScreen(fullScreen) {
    setObjectName(QStringLiteral("FrmCountDown"));
    setWindowTitle(tr("Countdown"));

    countFrame = named(new QGroupBox(tr("Countdown"), this), "countFrame");
    auto* inputs = new QWidget(countFrame);
    auto box = [inputs](const char* name, const QString& text) {
        auto* edit = named(new QLineEdit(text, inputs), name);
        edit->setFixedWidth(40);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    inputHourBox = box("inputHourBox", QStringLiteral("1"));
    inputMinuteBox = box("inputMinuteBox", QStringLiteral("0"));
    inputSecondBox = box("inputSecondBox", QStringLiteral("0"));
    hourSpin = named(new Spinner(0, 100, 1, false, inputs), "hourSpin");
    minuteSpin = named(new Spinner(0, 60, 0, false, inputs), "minuteSpin");
    secondSpin = named(new Spinner(0, 60, 0, false, inputs), "secondSpin");
    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);
    //: "hours"
    auto* hourLabel = new QLabel(tr("시간"), inputs);
    //: "minutes"
    auto* minuteLabel = new QLabel(tr("분"), inputs);
    //: "seconds countdown"
    auto* secondLabel = new QLabel(tr("초 카운트다운"), inputs);
    row->addWidget(inputHourBox);
    row->addWidget(hourSpin);
    row->addWidget(hourLabel);
    row->addWidget(inputMinuteBox);
    row->addWidget(minuteSpin);
    row->addWidget(minuteLabel);
    row->addWidget(inputSecondBox);
    row->addWidget(secondSpin);
    row->addWidget(secondLabel);
    row->addStretch();
    hourLabel->setBuddy(inputHourBox);
    minuteLabel->setBuddy(inputMinuteBox);
    secondLabel->setBuddy(inputSecondBox);
    inputHourBox->setAccessibleName(tr("Hours to count"));
    inputMinuteBox->setAccessibleName(tr("Minutes to count"));
    inputSecondBox->setAccessibleName(tr("Seconds to count"));
    hourSpin->setAccessibleName(tr("Step the hours"));
    minuteSpin->setAccessibleName(tr("Step the minutes"));
    secondSpin->setAccessibleName(tr("Step the seconds"));

    // The read-out lies over the inputs while a count is shown.
    countText = named(new QLineEdit(QStringLiteral("00:00:00"), countFrame), "countText");
    countText->setReadOnly(true);
    countText->setAccessibleName(tr("Time left"));
    countText->setAlignment(Qt::AlignCenter);
    QFont readoutFont(QStringLiteral("Arial"));
    readoutFont.setPointSize(26);
    countText->setFont(readoutFont);
    countText->setStyleSheet(QStringLiteral("background: palette(button);"));
    auto* stack = new QStackedLayout(countFrame);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(countText);
    stack->addWidget(inputs);

    auto button = [&](const char* name, const QString& caption, const QString& normal, const QString& pressed) {
        auto* b = named(new ImageButton(caption, imageFolder, normal, pressed, QString(), this), name);
        b->setMinimumSize(73, 25);
        return b;
    };
    startCountButton = button("startCountButton", tr("Count start"),
                              QStringLiteral("StartCount.gif"), QStringLiteral("StartCount1.gif"));
    fullScreenButton = button("fullScreenButton", tr("Full screen"), QStringLiteral("AllWin.gif"),
                              QStringLiteral("AllWin1.gif"));
    pauseButton = button("pauseButton", tr("Pause"), QStringLiteral("Pause.gif"),
                         QStringLiteral("Pause1.gif"));
    //: Resumes the paused count
    resumeButton = button("resumeButton", tr("Replay"), QStringLiteral("RePlay.gif"),
                          QStringLiteral("RePlay1.gif"));
    closeButton = button("closeButton", tr("Close"), QStringLiteral("closeWin.gif"),
                         QStringLiteral("closeWin1.gif"));
    //: Ends the count
    endCountButton = button("endCountButton", tr("Count exit"), QStringLiteral("CountExit.gif"),
                            QStringLiteral("CountExit1.gif"));
    auto* slots_ = new QHBoxLayout;
    for (auto [first, second] :
         {std::pair{startCountButton, fullScreenButton}, std::pair{pauseButton, resumeButton},
          std::pair{closeButton, endCountButton}}) {
        auto* slot = new QStackedLayout;
        slot->setStackingMode(QStackedLayout::StackAll);
        slot->addWidget(first);
        slot->addWidget(second);
        auto* holder = new QWidget(this);
        holder->setLayout(slot);
        holder->setMinimumSize(73, 25);
        slots_->addWidget(holder);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(countFrame);
    layout->addLayout(slots_);
    // Each box, then its arrows; then the read-out and the buttons left to right (the hidden ones
    // are passed over).
    QWidget* order[] = {inputHourBox, hourSpin,         inputMinuteBox, minuteSpin,  inputSecondBox,
                        secondSpin,   countText,        startCountButton, fullScreenButton, pauseButton,
                        resumeButton, closeButton,      endCountButton};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    // Typing into a box does not move its spinner; a step writes the spinner's next position.
    auto spin = [](Spinner* spinner, QLineEdit* edit, int wrapAt) {
        connect(spinner, &Spinner::changed, edit, [spinner, edit, wrapAt](int value) {
            if (value == wrapAt) {
                spinner->setValue(0);
                return;
            }
            edit->setText(QString::number(value));
        });
    };
    spin(hourSpin, inputHourBox, 100);
    spin(minuteSpin, inputMinuteBox, 60);
    spin(secondSpin, inputSecondBox, 60);

    connect(startCountButton, &QPushButton::clicked, this, &FrmCountDown::onStartCountClicked);
    connect(pauseButton, &QPushButton::clicked, this, &FrmCountDown::onPauseClicked);
    connect(resumeButton, &QPushButton::clicked, this, &FrmCountDown::onResumeClicked);
    connect(endCountButton, &QPushButton::clicked, this, &FrmCountDown::onEndCountClicked);
    connect(fullScreenButton, &QPushButton::clicked, this, &FrmCountDown::onFullScreenClicked);
    connect(closeButton, &QPushButton::clicked, this, &FrmCountDown::onCloseClicked);
    // The full-screen view's own buttons act on the same count.
    connect(m_fullScreen->pauseButton, &QPushButton::clicked, this, &FrmCountDown::onPauseClicked);
    connect(m_fullScreen->resumeButton, &QPushButton::clicked, this, &FrmCountDown::onResumeClicked);
    connect(m_countdown, &Countdown::changed, this, &FrmCountDown::showState);
    showState();
}

void FrmCountDown::onStartCountClicked() {
    const QString refusal =
        m_countdown->start(inputHourBox->text(), inputMinuteBox->text(), inputSecondBox->text());
    if (!refusal.isEmpty()) {
        m_dialogs->warning(this, refusal);
    }
}

void FrmCountDown::onPauseClicked() {
    m_countdown->pause();
}

void FrmCountDown::onResumeClicked() {
    m_countdown->resume();
}

void FrmCountDown::onEndCountClicked() {
    m_countdown->stop();
}

void FrmCountDown::onFullScreenClicked() {
    m_dialogs->showModal(m_fullScreen);
}

void FrmCountDown::onCloseClicked() {
    hide();
}

void FrmCountDown::showState() {
    using State = Countdown::State;
    const State state = m_countdown->state();
    const bool idle = state == State::Idle;
    startCountButton->setVisible(idle);
    closeButton->setVisible(idle);
    fullScreenButton->setVisible(!idle);
    endCountButton->setVisible(!idle);
    pauseButton->setVisible(state == State::Running || state == State::Finished);
    resumeButton->setVisible(state == State::Paused);
    countText->setVisible(!idle);
    // Finished: the pause buttons stay where they are, disabled, until the next start.
    const bool counting = state != State::Finished;
    for (QWidget* button : {static_cast<QWidget*>(pauseButton), static_cast<QWidget*>(resumeButton),
                            static_cast<QWidget*>(m_fullScreen->pauseButton),
                            static_cast<QWidget*>(m_fullScreen->resumeButton)}) {
        button->setEnabled(counting);
    }
    m_fullScreen->pauseButton->setVisible(state != State::Paused);
    m_fullScreen->resumeButton->setVisible(state == State::Paused);
    if (!idle) {
        const QString text = m_countdown->readout();
        m_fullScreen->lblTimeShow->setText(text);
        countText->setText(m_fullScreen->lblTimeShow->text());
    }
}
