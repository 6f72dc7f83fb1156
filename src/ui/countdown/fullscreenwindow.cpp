// Full-screen read-outs.
#include "ui/countdown/fullscreenwindow.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include "engine/countdown/countdownrules.h"

namespace cd = corvalin::countdown;

namespace {

void styleReadout(QLabel* label) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
}

// The table's size whenever the widest text fits across the window, and else the largest size at
// which it does: no smaller than it must be. Measured in the font the label is drawn with (the one
// the system gives for Arial), on the label's own screen.
void sizeReadout(QLabel* label, int pointSize, const QString& widest, int windowWidth) {
    QFont font = label->font();
    font.setPointSize(pointSize);
    while (font.pointSize() > 8 && QFontMetrics(font, label).horizontalAdvance(widest) > windowWidth) {
        font.setPointSize(font.pointSize() - 1);
    }
    label->setFont(font);
}

}  // namespace

FullScreenWindow::FullScreenWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      lblTimeShow(new QLabel(QStringLiteral("66:00:66"), this)),
      lblNowTimeShow(new QLabel(QStringLiteral("66:00:66AM"), this)) {
    lblTimeShow->setObjectName(QStringLiteral("lblTimeShow"));
    lblNowTimeShow->setObjectName(QStringLiteral("lblNowTimeShow"));
    lblTimeShow->setAccessibleName(tr("Time left"));
    lblNowTimeShow->setAccessibleName(tr("Time of day"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    styleReadout(lblTimeShow);
    styleReadout(lblNowTimeShow);
    setWindowState(Qt::WindowFullScreen);
}

double FullScreenWindow::twipsPerPixel() const {
    return 1440.0 / std::max(1, logicalDpiX());
}

QPushButton* FullScreenWindow::addButton(const char* name, const QString& caption, int widthTwips) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);  // Enter clicks it when it has the focus
    const double tpp = twipsPerPixel();
    button->setFixedSize(qRound(widthTwips / tpp), qRound(cd::kButtonHeightTwips / tpp));
    return button;
}

int FullScreenWindow::countPointSize() const {
    return lblTimeShow->font().pointSize();
}

int FullScreenWindow::clockPointSize() const {
    return lblNowTimeShow->font().pointSize();
}

// Covers the screen even where no window manager honours the full-screen state (a kiosk PC
// without a desktop).
void FullScreenWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QScreen* s = screen(); s && geometry() != s->geometry()) {
        setGeometry(s->geometry());
    }
    raise();
    activateWindow();
}

void FullScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FullScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void FullScreenWindow::relayout() {
    const double tpp = twipsPerPixel();
    // The window fills the screen, so its width is the screen's.
    const auto sizes = cd::fontSizes(width());
    sizeReadout(lblTimeShow, sizes.count, QStringLiteral("00:00:00"), width());
    sizeReadout(lblNowTimeShow, sizes.clock, QStringLiteral("00:00:00AM"), width());
    const int labelWidth = qRound(cd::kLabelWidthTwips / tpp);
    const int labelHeight = qRound(cd::kLabelHeightTwips / tpp);
    for (QLabel* label : {lblTimeShow, lblNowTimeShow}) {
        label->setFixedSize(labelWidth, labelHeight);
    }
    const auto layout =
        cd::layoutFullScreen(width(), height(), labelWidth, labelHeight, qRound(cd::kButtonWidthTwips / tpp),
                             qRound(cd::kCloseWidthTwips / tpp), tpp);
    lblTimeShow->move(layout.count.x, layout.count.y);
    lblNowTimeShow->move(layout.clock.x, layout.clock.y);
    placeButtons(layout.leftButton.x, layout.rightButton.x, layout.closeButton.x, layout.leftButton.y);
}
