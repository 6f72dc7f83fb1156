// Label that shows a long text in a few lines.
#include "ui/widgets/elidedlabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

ElidedLabel::ElidedLabel(int maxLines, QWidget* parent) : QLabel(parent), m_maxLines(std::max(1, maxLines)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QSize ElidedLabel::around() const {
    return size() - contentsRect().size();
}

QStringList ElidedLabel::shownLines(int textWidth) const {
    const QString whole = text().simplified();
    if (whole.isEmpty() || textWidth <= 0) {
        return {whole};
    }
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextLayout layout(whole, font());
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    while (lines.size() < m_maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(textWidth);
        if (lines.size() == m_maxLines - 1) {
            lines.append(fontMetrics().elidedText(whole.mid(line.textStart()), Qt::ElideRight, textWidth));
        } else {
            lines.append(whole.mid(line.textStart(), line.textLength()).trimmed());
        }
    }
    layout.endLayout();
    return lines;
}

int ElidedLabel::heightForWidth(int width) const {
    ensurePolished();
    const QSize extra = around();
    const auto lines = static_cast<int>(shownLines(width - extra.width()).size());
    return std::max(1, lines) * fontMetrics().lineSpacing() + extra.height();
}

QSize ElidedLabel::sizeHint() const {
    ensurePolished();
    // Any width will do: the lines follow the width the layout gives.
    const int across = fontMetrics().averageCharWidth() * 40 + around().width();
    return {across, heightForWidth(std::max(across, width()))};
}

QSize ElidedLabel::minimumSizeHint() const {
    ensurePolished();
    const QSize extra = around();
    return {fontMetrics().averageCharWidth() * 10 + extra.width(),
            fontMetrics().lineSpacing() + extra.height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const int step = fontMetrics().lineSpacing();
    int top = area.top();
    for (const QString& line : shownLines(area.width())) {
        style()->drawItemText(&painter, QRect(area.left(), top, area.width(), step),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(), isEnabled(),
                              line, foregroundRole());
        top += step;
    }
}
