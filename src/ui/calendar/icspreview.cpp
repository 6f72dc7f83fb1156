// The import preview.
#include "ui/calendar/icspreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cal = corvalin::calendar;

IcsPreview::IcsPreview(const QString& fileName, std::span<const cal::DateException> found,
                       std::span<const cal::DateException> existing, const QString& leftOut, QWidget* parent)
    : QDialog(parent),
      icsSummary(new QLabel(this)),
      icsList(new QListWidget(this)),
      addImported(new QPushButton(QStringLiteral("Add"), this)),
      cancelImport(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("icsPreview"));
    setWindowTitle(QStringLiteral("Import iCalendar"));
    icsSummary->setObjectName(QStringLiteral("icsSummary"));
    icsList->setObjectName(QStringLiteral("icsList"));
    addImported->setObjectName(QStringLiteral("addImported"));
    cancelImport->setObjectName(QStringLiteral("cancelImport"));
    icsList->setSelectionMode(QAbstractItemView::NoSelection);

    int fresh = 0;
    for (const auto& exception : found) {
        const bool known = cal::containsDuplicate(existing, exception);
        QString line = QString::fromStdString(cal::daysText(exception)) + QStringLiteral("   ") +
                       QString::fromStdString(exception.label);
        if (known) {
            line += QStringLiteral("   (already in the calendar)");
        } else {
            ++fresh;
        }
        auto* item = new QListWidgetItem(line, icsList);
        if (known) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
    }
    QString text = QStringLiteral(
                       "%1: %2 all-day events from today on, %3 of them new. The new ones are added as "
                       "\"no bells\" exceptions.")
                       .arg(fileName)
                       .arg(found.size())
                       .arg(fresh);
    if (!leftOut.isEmpty()) {
        text += QLatin1Char(' ') + leftOut;
    }
    icsSummary->setText(text);
    icsSummary->setWordWrap(true);
    addImported->setEnabled(fresh > 0);
    addImported->setDefault(fresh > 0);

    connect(addImported, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelImport, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addImported);
    buttons->addWidget(cancelImport);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icsSummary);
    layout->addWidget(icsList, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}
