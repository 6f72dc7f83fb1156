// A label for a text of any length in a fixed room: it shows at most a few lines of the text, the
// last one cut short with an ellipsis, and never asks its layout for more than those lines, so a
// long text cannot push the rest of a window off the screen. text() stays the whole text.
#pragma once

#include <QLabel>
#include <QStringList>

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(int maxLines, QWidget* parent = nullptr);

    // The lines shown when the text has `textWidth` pixels across: the text broken at word
    // boundaries (anywhere in a word longer than a line), line breaks taken as spaces.
    QStringList shownLines(int textWidth) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the frame, the margins and a style sheet's padding take around the text.
    QSize around() const;

    int m_maxLines;
};
