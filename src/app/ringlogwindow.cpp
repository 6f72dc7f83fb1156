// The ring log window.
#include "app/ringlogwindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

RingLogWindow::RingLogWindow(QString path, QWidget* parent)
    : QDialog(parent), m_path(std::move(path)), m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ringLogWindow"));
    setWindowTitle(QStringLiteral("Ring log"));
    m_text->setObjectName(QStringLiteral("ringLogText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(760, 420);
}

void RingLogWindow::reload() {
    QFile file(m_path);
    QString text;
    if (file.open(QIODevice::ReadOnly)) {
        text = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else {
        text = QStringLiteral("Nothing has been logged yet.");
    }
    m_text->setPlainText(text);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}
