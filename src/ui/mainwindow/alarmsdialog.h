// "Alarm signals...": the names, sounds and counts of the alarm signals, one row each. A row with
// no name is no signal. OK checks every row and saves the set, or says why it cannot and stays open.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "engine/schedule/alarmsignals.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class AlarmsDialog : public QDialog {
    Q_OBJECT
public:
    // Saves the set; false when it could not be written.
    using Save = std::function<bool(const std::vector<corvalin::alarms::Signal>&)>;

    // `stored` as the settings hold them; `sounds`: the files of the sound folder.
    AlarmsDialog(const std::vector<corvalin::alarms::Signal>& stored, const QStringList& sounds, Save save,
                 QWidget* parent = nullptr);

    // The set on screen, the rows with a name, in their order.
    std::vector<corvalin::alarms::Signal> signalsOnScreen() const;

private:
    void onOkClicked();

    struct Row {
        QLineEdit* name;
        QComboBox* sound;
        QSpinBox* times;
    };
    std::vector<Row> m_rows;
    QLabel* m_problem;
    Save m_save;
};
