// Countdown timer window.
#include "ui/countdown/frmcountdown.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedLayout>
#include <QVBoxLayout>

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
    setWindowTitle(QStringLiteral("Countdown"));

    Frame1 = named(new QGroupBox(QStringLiteral("Countdown"), this), "Frame1");
    auto* inputs = new QWidget(Frame1);
    auto box = [inputs](const char* name, const QString& text) {
        auto* edit = named(new QLineEdit(text, inputs), name);
        edit->setFixedWidth(40);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    input_h = box("input_h", QStringLiteral("1"));
    input_m = box("input_m", QStringLiteral("0"));
    input_s = box("input_s", QStringLiteral("0"));
    VScroll7 = named(new Spinner(0, 100, 1, false, inputs), "VScroll7");
    VScroll8 = named(new Spinner(0, 60, 0, false, inputs), "VScroll8");
    VScroll1 = named(new Spinner(0, 60, 0, false, inputs), "VScroll1");
    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(input_h);
    row->addWidget(VScroll7);
    row->addWidget(new QLabel(QStringLiteral("시간"), inputs));
    row->addWidget(input_m);
    row->addWidget(VScroll8);
    row->addWidget(new QLabel(QStringLiteral("분"), inputs));
    row->addWidget(input_s);
    row->addWidget(VScroll1);
    row->addWidget(new QLabel(QStringLiteral("초 카운트다운"), inputs));
    row->addStretch();

    // The read-out lies over the inputs while a count is shown.
    txtShowCount = named(new QLineEdit(QStringLiteral("00:00:00"), Frame1), "txtShowCount");
    txtShowCount->setReadOnly(true);
    txtShowCount->setAlignment(Qt::AlignCenter);
    QFont readoutFont(QStringLiteral("Arial"));
    readoutFont.setPointSize(26);
    txtShowCount->setFont(readoutFont);
    txtShowCount->setStyleSheet(QStringLiteral("background: palette(button);"));
    auto* stack = new QStackedLayout(Frame1);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(txtShowCount);
    stack->addWidget(inputs);

    auto button = [&](const char* name, const QString& caption, const QString& normal, const QString& pressed) {
        auto* b = named(new ImageButton(caption, imageFolder, normal, pressed, QString(), this), name);
        b->setMinimumSize(73, 25);
        return b;
    };
    cmdStartCount = button("cmdStartCount", QStringLiteral("Count start"), QStringLiteral("StartCount.gif"),
                           QStringLiteral("StartCount1.gif"));
    cmdAllWin = button("cmdAllWin", QStringLiteral("Full screen"), QStringLiteral("AllWin.gif"),
                       QStringLiteral("AllWin1.gif"));
    cmdPause = button("cmdPause", QStringLiteral("Pause"), QStringLiteral("Pause.gif"), QStringLiteral("Pause1.gif"));
    cmdRePlay = button("cmdRePlay", QStringLiteral("Replay"), QStringLiteral("RePlay.gif"),
                       QStringLiteral("RePlay1.gif"));
    cmdClose = button("cmdClose", QStringLiteral("Close"), QStringLiteral("closeWin.gif"),
                      QStringLiteral("closeWin1.gif"));
    cmdCountExit = button("cmdCountExit", QStringLiteral("Count exit"), QStringLiteral("CountExit.gif"),
                          QStringLiteral("CountExit1.gif"));
    auto* slots_ = new QHBoxLayout;
    for (auto [first, second] : {std::pair{cmdStartCount, cmdAllWin}, std::pair{cmdPause, cmdRePlay},
                                 std::pair{cmdClose, cmdCountExit}}) {
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
    layout->addWidget(Frame1);
    layout->addLayout(slots_);

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
    spin(VScroll7, input_h, 100);
    spin(VScroll8, input_m, 60);
    spin(VScroll1, input_s, 60);

    connect(cmdStartCount, &QPushButton::clicked, this, &FrmCountDown::cmdStartCount_Click);
    connect(cmdPause, &QPushButton::clicked, this, &FrmCountDown::cmdPause_Click);
    connect(cmdRePlay, &QPushButton::clicked, this, &FrmCountDown::cmdRePlay_Click);
    connect(cmdCountExit, &QPushButton::clicked, this, &FrmCountDown::cmdCountExit_Click);
    connect(cmdAllWin, &QPushButton::clicked, this, &FrmCountDown::cmdAllWin_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmCountDown::cmdClose_Click);
    // The full-screen view's own buttons act on the same count.
    connect(m_fullScreen->cmdPause, &QPushButton::clicked, this, &FrmCountDown::cmdPause_Click);
    connect(m_fullScreen->cmdRePlay, &QPushButton::clicked, this, &FrmCountDown::cmdRePlay_Click);
    connect(m_countdown, &Countdown::changed, this, &FrmCountDown::showState);
    showState();
}

void FrmCountDown::cmdStartCount_Click() {
    const QString refusal = m_countdown->start(input_h->text(), input_m->text(), input_s->text());
    if (!refusal.isEmpty()) {
        m_dialogs->warning(this, refusal);
    }
}

void FrmCountDown::cmdPause_Click() { m_countdown->pause(); }

void FrmCountDown::cmdRePlay_Click() { m_countdown->resume(); }

void FrmCountDown::cmdCountExit_Click() { m_countdown->stop(); }

void FrmCountDown::cmdAllWin_Click() { m_dialogs->showModal(m_fullScreen); }

void FrmCountDown::cmdClose_Click() { hide(); }

void FrmCountDown::showState() {
    using State = Countdown::State;
    const State state = m_countdown->state();
    const bool idle = state == State::Idle;
    cmdStartCount->setVisible(idle);
    cmdClose->setVisible(idle);
    cmdAllWin->setVisible(!idle);
    cmdCountExit->setVisible(!idle);
    cmdPause->setVisible(state == State::Running || state == State::Finished);
    cmdRePlay->setVisible(state == State::Paused);
    txtShowCount->setVisible(!idle);
    // Finished: the pause buttons stay where they are, disabled, until the next start.
    const bool counting = state != State::Finished;
    for (QWidget* button : {static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdRePlay),
                            static_cast<QWidget*>(m_fullScreen->cmdPause),
                            static_cast<QWidget*>(m_fullScreen->cmdRePlay)}) {
        button->setEnabled(counting);
    }
    m_fullScreen->cmdPause->setVisible(state != State::Paused);
    m_fullScreen->cmdRePlay->setVisible(state == State::Paused);
    if (!idle) {
        const QString text = m_countdown->readout();
        m_fullScreen->lblTimeShow->setText(text);
        txtShowCount->setText(m_fullScreen->lblTimeShow->text());
    }
}
