// The import preview.
#include "ui/calendar/icspreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/calendar/calendarwindow.h"

namespace cal = corvalin::calendar;

IcsPreview::IcsPreview(const QString& fileName, std::span<const cal::DateException> found,
                       std::span<const cal::DateException> existing, const QString& leftOut, QWidget* parent)
    : QDialog(parent),
      icsSummary(new QLabel(this)),
      icsList(new QListWidget(this)),
      //: Adds the new days of the file to the calendar
      addImported(new QPushButton(tr("Add"), this)),
      cancelImport(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("icsPreview"));
    setWindowTitle(tr("Import iCalendar"));
    icsSummary->setObjectName(QStringLiteral("icsSummary"));
    icsList->setObjectName(QStringLiteral("icsList"));
    addImported->setObjectName(QStringLiteral("addImported"));
    cancelImport->setObjectName(QStringLiteral("cancelImport"));
    icsList->setSelectionMode(QAbstractItemView::NoSelection);
    icsList->setAccessibleName(tr("Days in the file"));

    int fresh = 0;
    for (const auto& exception : found) {
        const bool known = cal::containsDuplicate(existing, exception);
        const QString days = CalendarWindow::daysShown(exception);
        const QString label = QString::fromStdString(exception.label);
        QString line;
        if (known) {
            //: An exception of the file (its days, its label) that the calendar holds already
            line = tr("%1   %2   (already in the calendar)").arg(days, label);
        } else {
            line = days + QStringLiteral("   ") + label;
            ++fresh;
        }
        auto* item = new QListWidgetItem(line, icsList);
        if (known) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
    }
    // In one go: a file name with "%2" in it stays as it is.
    //: %1 is a file name, %2 and %3 numbers of events; "no bells" as the calendar window shows it
    QString text = tr("%1: %2 all-day events from today on, %3 of them new. The new ones are added as "
                      "\"no bells\" exceptions.")
                       .arg(fileName, QString::number(found.size()), QString::number(fresh));
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
