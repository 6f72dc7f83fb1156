// A button drawn with pictures from the program's img/ folder: its normal picture,
// a pressed picture while a mouse button (or the space bar) is down on it, and a disabled picture.
// Its caption is its name for a screen reader and its tooltip when a picture hides it; with the
// focus, Enter or Space clicks it.
//
// A picture has its English caption drawn in it (img/captions.json says which). A button given
// another caption, as in another language, draws the picture again from its face (img/face/) and
// glyph (img/glyph/) with its own caption laid out as in the picture, in a smaller font if it
// must, and wider than the picture if even the smallest font does not fit. Without the face it
// shows its caption as plain text, never the picture's other words.
#pragma once

#include <QPushButton>

class QJsonObject;

class ImageButton : public QPushButton {
    Q_OBJECT
public:
    // Picture file names inside the img/ folder; an empty name keeps the current picture.
    // Without a readable picture the button shows its caption instead. The caption is shown as
    // it is: callers pass it translated.
    ImageButton(const QString& caption, QString imageFolder, QString normal, QString pressed,
                QString disabled = QString(), QWidget* parent = nullptr);

    // Shows the named picture (read from disk each time, as the pictures may change).
    void showPicture(const QString& fileName);
    const QString& currentPicture() const { return m_current; }

    const QString& normalPicture() const { return m_normal; }
    const QString& disabledPicture() const { return m_disabled; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The picture redrawn with this button's caption; null without its face or glyph.
    QPixmap redrawn(const QString& fileName, const QJsonObject& drawn) const;
    void showCaption();

    QString m_caption;
    QString m_folder;
    QString m_normal;
    QString m_pressed;
    QString m_disabled;
    QString m_current;
};
