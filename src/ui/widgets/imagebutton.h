// A button drawn with pictures from the program's img/ folder: its normal picture,
// a pressed picture while a mouse button is down on it, and a disabled picture.
#pragma once

#include <QPushButton>

class ImageButton : public QPushButton {
    Q_OBJECT
public:
    // Picture file names inside the img/ folder; an empty name keeps the current picture.
    // Without a readable picture the button shows its caption instead.
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

private:
    QString m_caption;
    QString m_folder;
    QString m_normal;
    QString m_pressed;
    QString m_disabled;
    QString m_current;
};
