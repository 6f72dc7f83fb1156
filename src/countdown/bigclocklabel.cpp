// Look of the full-screen windows and their read-outs.
#include "countdown/bigclocklabel.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

void styleFullScreenWindow(QWidget* window) {
    window->setWindowFlag(Qt::FramelessWindowHint);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void styleBigLabel(QLabel* label, int pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(pointSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
}
