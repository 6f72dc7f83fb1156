// What an iCalendar import would add, shown before anything is added: one line per exception,
// those already in the calendar marked, and "Add" or "Cancel".
#pragma once

#include <QDialog>
#include <span>

#include "engine/schedule/dateexceptions.h"

class QLabel;
class QListWidget;
class QPushButton;

class IcsPreview : public QDialog {
    Q_OBJECT
public:
    // `found` are the file's exceptions; those with a duplicate in `existing` are marked.
    IcsPreview(const QString& fileName, std::span<const corvalin::calendar::DateException> found,
               std::span<const corvalin::calendar::DateException> existing, const QString& leftOut,
               QWidget* parent = nullptr);

    QLabel* icsSummary;
    QListWidget* icsList;
    QPushButton* addImported;
    QPushButton* cancelImport;
};
