// The time and sound of a bell changed for today.
#include "ui/mainwindow/todaybelldialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>

TodayBellDialog::TodayBellDialog(const QString& title, const QString& text, int minuteOfDay,
                                 const QStringList& sounds, QWidget* parent)
    : QDialog(parent),
      bellText(new QLabel(text, this)),
      bellTime(new QTimeEdit(QTime(minuteOfDay / 60, minuteOfDay % 60), this)),
      bellSound(new QComboBox(this)),
      bellOk(new QPushButton(tr("OK"), this)),
      bellCancel(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(title);
    bellText->setObjectName(QStringLiteral("bellText"));
    bellText->setWordWrap(true);
    bellTime->setObjectName(QStringLiteral("bellTime"));
    bellTime->setDisplayFormat(QStringLiteral("HH:mm"));
    bellText->setBuddy(bellTime);
    //: The time of a bell changed for today
    bellTime->setAccessibleName(tr("Bell time"));
    bellSound->setObjectName(QStringLiteral("bellSound"));
    bellSound->addItems(sounds);
    bellSound->setVisible(!sounds.isEmpty());
    bellSound->setAccessibleName(tr("Bell sound"));
    bellOk->setObjectName(QStringLiteral("bellOk"));
    bellOk->setDefault(true);
    bellCancel->setObjectName(QStringLiteral("bellCancel"));
    connect(bellOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(bellCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QHBoxLayout;
    fields->addWidget(bellTime);
    fields->addWidget(bellSound, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bellOk);
    buttons->addWidget(bellCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bellText);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

int TodayBellDialog::minuteOfDay() const {
    const QTime t = bellTime->time();
    return t.hour() * 60 + t.minute();
}

QString TodayBellDialog::sound() const {
    return bellSound->currentText();
}
