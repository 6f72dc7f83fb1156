// The choice of the days a day's list is copied to: a check box per day of the week.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;

class CopyDaysDialog : public QDialog {
    Q_OBJECT
public:
    // `source` is the day whose list is copied (1 Sunday .. 7 Saturday, or a template), named
    // `sourceName`; `dayNames` holds the seven weekday captions, Sunday first. The source day is
    // not offered; Monday to Friday are chosen to begin with, Saturday and Sunday are not.
    CopyDaysDialog(int source, const QString& sourceName, const QStringList& dayNames,
                   QWidget* parent = nullptr);

    // The days chosen, in the order shown.
    QList<int> chosenDays() const;

private:
    QList<QPair<int, QCheckBox*>> m_days;
};
