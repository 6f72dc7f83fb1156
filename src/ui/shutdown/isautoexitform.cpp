// Booked power-off dialog.
#include "ui/shutdown/isautoexitform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

IsAutoExitForm::IsAutoExitForm(const QString& imageFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("isAutoExitForm"));
    //: "Booked switching off of the computer"
    setWindowTitle(tr("Reservation computer exit"));
    //: The time of day at which the computer is switched off, on the 24-hour clock
    auto* frame = new QGroupBox(tr("Exit time (Type 24Hour)"), this);
    inputHourBox = new QLineEdit(QStringLiteral("0"), frame);
    inputMinuteBox = new QLineEdit(QStringLiteral("5"), frame);
    hourSpin = new Spinner(0, 24, 0, false, frame);
    minuteSpin = new Spinner(0, 60, 59, false, frame);
    inputHourBox->setObjectName(QStringLiteral("inputHourBox"));
    inputMinuteBox->setObjectName(QStringLiteral("inputMinuteBox"));
    hourSpin->setObjectName(QStringLiteral("hourSpin"));
    minuteSpin->setObjectName(QStringLiteral("minuteSpin"));
    for (QLineEdit* box : {inputHourBox, inputMinuteBox}) {
        box->setFixedWidth(42);
        box->setAlignment(Qt::AlignRight);
    }
    //: Short for "hours", after the hour box
    auto* hourLabel = new QLabel(tr("hr"), frame);
    //: Short for "minutes", after the minute box
    auto* minuteLabel = new QLabel(tr("min"), frame);
    hourLabel->setBuddy(inputHourBox);
    minuteLabel->setBuddy(inputMinuteBox);
    inputHourBox->setAccessibleName(tr("Exit hour"));
    inputMinuteBox->setAccessibleName(tr("Exit minute"));
    hourSpin->setAccessibleName(tr("Step the hour"));
    minuteSpin->setAccessibleName(tr("Step the minute"));
    auto* row = new QHBoxLayout(frame);
    row->addWidget(inputHourBox);
    row->addWidget(hourSpin);
    row->addWidget(hourLabel);
    row->addWidget(inputMinuteBox);
    row->addWidget(minuteSpin);
    row->addWidget(minuteLabel);
    confirmButton = new ImageButton(tr("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                                    QStringLiteral("confirm1.gif"), QString(), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(confirmButton, 0, Qt::AlignHCenter);
    setTabOrder(inputHourBox, hourSpin);
    setTabOrder(hourSpin, inputMinuteBox);
    setTabOrder(inputMinuteBox, minuteSpin);
    setTabOrder(minuteSpin, confirmButton);

    // The spinners keep their own positions (hour 0, minute 59), not the booked time: a step
    // writes the spinner's next position into its box.
    auto spin = [](Spinner* spinner, QLineEdit* box, int wrapAt) {
        connect(spinner, &Spinner::changed, box, [spinner, box, wrapAt](int value) {
            if (value == wrapAt) {
                spinner->setValue(0);
                return;
            }
            box->setText(QString::number(value));
        });
    };
    spin(hourSpin, inputHourBox, 24);
    spin(minuteSpin, inputMinuteBox, 60);
}

void IsAutoExitForm::showBooking(int hour, int minute) {
    m_loaded = true;
    inputHourBox->setText(QString::number(hour));
    inputMinuteBox->setText(QString::number(minute));
}
