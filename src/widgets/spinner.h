// A pair of arrow buttons that steps a value within a range and reports each change;
// the box it fills is a separate text box, so each keeps its own state.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class Spinner : public QWidget {
    Q_OBJECT
public:
    // With `upLowers` the up arrow lowers the value (the day selector); otherwise it raises it.
    Spinner(int minimum, int maximum, int value, bool upLowers = false, QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Sets the value (clamped to the range); emits changed() when it differs.
    void setValue(int value);

    // The box the spinner fills. An arrow steps from the number typed into the box when it is a
    // value of the spinner's range other than `passingValue` (the value that only wraps);
    // otherwise from the spinner's own value.
    void setBox(QLineEdit* box, int passingValue);

public Q_SLOTS:
    void upArrow();
    void downArrow();

Q_SIGNALS:
    void changed(int value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void step(int delta);

    int m_minimum;
    int m_maximum;
    int m_value;
    bool m_upLowers;
    QLineEdit* m_box = nullptr;
    int m_passingValue = -1;
    QToolButton* m_up;
    QToolButton* m_down;
};
