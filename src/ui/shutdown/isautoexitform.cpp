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
    setWindowTitle(QStringLiteral("Reservation computer exit"));
    auto* frame = new QGroupBox(QStringLiteral("Exit time (Type 24Hour)"), this);
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
    auto* row = new QHBoxLayout(frame);
    row->addWidget(inputHourBox);
    row->addWidget(hourSpin);
    row->addWidget(new QLabel(QStringLiteral("hr"), frame));
    row->addWidget(inputMinuteBox);
    row->addWidget(minuteSpin);
    row->addWidget(new QLabel(QStringLiteral("min"), frame));
    confirmButton = new ImageButton(QStringLiteral("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                                    QStringLiteral("confirm1.gif"), QString(), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(confirmButton, 0, Qt::AlignHCenter);

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
