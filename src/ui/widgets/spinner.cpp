// Arrow-button spinner.
#include "ui/widgets/spinner.h"

#include <QEvent>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

Spinner::Spinner(int minimum, int maximum, int value, bool upLowers, QWidget* parent)
    : QWidget(parent),
      m_minimum(minimum),
      m_maximum(maximum),
      m_value(std::clamp(value, minimum, maximum)),
      m_upLowers(upLowers),
      m_up(new QToolButton(this)),
      m_down(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);  // room for the focus frame
    layout->setSpacing(0);
    for (auto* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setAccessibleName(upLowers ? tr("Lower") : tr("Higher"));
    m_down->setAccessibleName(upLowers ? tr("Higher") : tr("Lower"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("The Up and Down arrow keys change the value"));
    connect(m_up, &QToolButton::clicked, this, &Spinner::upArrow);
    connect(m_down, &QToolButton::clicked, this, &Spinner::downArrow);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Spinner::setValue(int value) {
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value) {
        return;
    }
    m_value = value;
    Q_EMIT changed(m_value);
}

void Spinner::upArrow() { step(m_upLowers ? -1 : 1); }

void Spinner::downArrow() { step(m_upLowers ? 1 : -1); }

void Spinner::step(int delta) {
    if (!isEnabled()) {
        return;
    }
    setValue(m_value + delta);
}

void Spinner::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        m_up->setEnabled(isEnabled());
        m_down->setEnabled(isEnabled());
    }
    QWidget::changeEvent(event);
}

void Spinner::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up: upArrow(); break;
        case Qt::Key_Down: downArrow(); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void Spinner::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void Spinner::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void Spinner::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
