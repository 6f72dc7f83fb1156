// A pair of arrow buttons that steps its own position within a range and reports each change.
// The box it fills is a separate text box with a state of its own: typing into the box or loading
// settings into it never moves the spinner, and the next step writes the spinner's next position
// over whatever the box holds.
// It takes the focus with Tab: the Up and Down arrow keys then act as its arrow buttons.
#pragma once

#include <QWidget>

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

public Q_SLOTS:
    void upArrow();
    void downArrow();

Q_SIGNALS:
    void changed(int value);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void step(int delta);

    int m_minimum;
    int m_maximum;
    int m_value;
    bool m_upLowers;
    QToolButton* m_up;
    QToolButton* m_down;
};
