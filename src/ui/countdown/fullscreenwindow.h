// A borderless black window filling the screen, with two large yellow read-outs: the time of
// day above the centre line and a count below it, placed and sized by the screen's width.
// Escape closes it, as its close button does.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class FullScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenWindow(QWidget* parent = nullptr);

    QLabel* lblTimeShow;
    QLabel* lblNowTimeShow;

    // The point sizes the read-outs are drawn at (after fitting them to the window).
    int countPointSize() const;
    int clockPointSize() const;

protected:
    QPushButton* addButton(const char* name, const QString& caption, int widthTwips);
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Places the buttons; the read-outs are already placed.
    virtual void placeButtons(int left, int right, int centre, int top) = 0;

private:
    void relayout();
    double twipsPerPixel() const;
};
