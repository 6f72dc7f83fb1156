// The dialog that chooses the days a day's list is copied to.
#include "app/copydaysdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "engine/schedule/clocktext.h"

CopyDaysDialog::CopyDaysDialog(int source, const QString& sourceName, const QStringList& dayNames,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("copyDaysDialog"));
    setWindowTitle(tr("Copy to days"));
    auto* layout = new QVBoxLayout(this);
    //: %1 is the day whose list is copied
    layout->addWidget(new QLabel(tr("Copy the list of %1 to:").arg(sourceName), this));
    // The week as the operator's locale begins it.
    const int first = corvalin::clock::dayNumberFromIso(QLocale::system().firstDayOfWeek());
    for (int i = 0; i < 7; ++i) {
        const int day = (first - 1 + i) % 7 + 1;
        if (day == source) {
            continue;
        }
        auto* box = new QCheckBox(dayNames.value(day - 1), this);
        box->setObjectName(QStringLiteral("copyDay%1").arg(day));
        box->setChecked(day >= 2 && day <= 6);  // Monday to Friday
        layout->addWidget(box);
        m_days.append({day, box});
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("copyDaysButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QList<int> CopyDaysDialog::chosenDays() const {
    QList<int> chosen;
    for (const auto& [day, box] : m_days) {
        if (box->isChecked()) {
            chosen.append(day);
        }
    }
    return chosen;
}
