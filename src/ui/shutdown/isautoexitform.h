// The dialog that books the time of day at which the computer is switched off.
#pragma once

#include <QDialog>

class QLineEdit;
class ImageButton;
class Spinner;

class IsAutoExitForm : public QDialog {
    Q_OBJECT
public:
    IsAutoExitForm(const QString& imageFolder, QWidget* parent = nullptr);

    // First showing: the boxes show the booked time.
    void showBooking(int hour, int minute);
    bool isLoaded() const { return m_loaded; }

    QLineEdit* inputHourBox;
    QLineEdit* inputMinuteBox;
    Spinner* hourSpin;
    Spinner* minuteSpin;
    ImageButton* confirmButton;

private:
    bool m_loaded = false;
};
