// The time (and for a bell added, the sound) of a bell changed for today only.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTimeEdit;

class TodayBellDialog : public QDialog {
    Q_OBJECT
public:
    // A bell to add (with a sound from `sounds`), or a bell to move when `sounds` is empty.
    TodayBellDialog(const QString& title, const QString& text, int minuteOfDay, const QStringList& sounds,
                    QWidget* parent = nullptr);

    int minuteOfDay() const;
    QString sound() const;

    QLabel* bellText;
    QTimeEdit* bellTime;
    QComboBox* bellSound;
    QPushButton* bellOk;
    QPushButton* bellCancel;
};
