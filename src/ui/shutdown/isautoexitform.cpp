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
    input_h = new QLineEdit(QStringLiteral("0"), frame);
    input_m = new QLineEdit(QStringLiteral("5"), frame);
    VScroll1 = new Spinner(0, 24, 0, false, frame);
    VScroll2 = new Spinner(0, 60, 59, false, frame);
    input_h->setObjectName(QStringLiteral("input_h"));
    input_m->setObjectName(QStringLiteral("input_m"));
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    for (QLineEdit* box : {input_h, input_m}) {
        box->setFixedWidth(42);
        box->setAlignment(Qt::AlignRight);
    }
    auto* row = new QHBoxLayout(frame);
    row->addWidget(input_h);
    row->addWidget(VScroll1);
    row->addWidget(new QLabel(QStringLiteral("hr"), frame));
    row->addWidget(input_m);
    row->addWidget(VScroll2);
    row->addWidget(new QLabel(QStringLiteral("min"), frame));
    isAutoExitConfirm = new ImageButton(QStringLiteral("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                                        QStringLiteral("confirm1.gif"), QString(), this);
    isAutoExitConfirm->setObjectName(QStringLiteral("isAutoExitConfirm"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(isAutoExitConfirm, 0, Qt::AlignHCenter);

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
    spin(VScroll1, input_h, 24);
    spin(VScroll2, input_m, 60);
}

void IsAutoExitForm::Form_Load(int hour, int minute) {
    m_loaded = true;
    input_h->setText(QString::number(hour));
    input_m->setText(QString::number(minute));
}
