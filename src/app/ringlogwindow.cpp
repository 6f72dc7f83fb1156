// The ring log window.
#include "app/ringlogwindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/base/wholefile.h"

RingLogWindow::RingLogWindow(QString path, QWidget* parent)
    : QDialog(parent), m_path(std::move(path)), m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ringLogWindow"));
    setWindowTitle(tr("Ring log"));
    m_text->setObjectName(QStringLiteral("ringLogText"));
    m_text->setAccessibleName(tr("Ring log"));
    m_text->setAccessibleDescription(tr("Every bell rung and every problem, newest last"));
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
    // Ninety days of a bell every minute come to some 15 MB.
    constexpr qint64 kLargestLog = 64 << 20;
    QString why;
    QString text;
    if (const auto bytes = readWholeFile(m_path, kLargestLog, &why)) {
        text = QString::fromUtf8(*bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else if (!why.isEmpty()) {
        //: %1 is the ring log's file, %2 says why
        text = tr("The ring log %1 cannot be shown: %2.").arg(QDir::toNativeSeparators(m_path), why);
    } else {
        text = tr("Nothing has been logged yet.");
    }
    m_text->setPlainText(text);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}
