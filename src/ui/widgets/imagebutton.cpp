// Picture buttons.
#include "ui/widgets/imagebutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

ImageButton::ImageButton(const QString& caption, QString imageFolder, QString normal, QString pressed,
                         QString disabled, QWidget* parent)
    : QPushButton(caption, parent),
      m_caption(caption),
      m_folder(std::move(imageFolder)),
      m_normal(std::move(normal)),
      m_pressed(std::move(pressed)),
      m_disabled(std::move(disabled)) {
    setAccessibleName(caption);
    showPicture(m_normal);
}

void ImageButton::showPicture(const QString& fileName) {
    if (fileName.isEmpty()) {
        return;
    }
    m_current = fileName;
    const QPixmap picture(m_folder + QLatin1Char('/') + fileName);
    if (picture.isNull()) {
        setIcon(QIcon());
        setText(m_caption);
        return;
    }
    setText(QString());
    setIcon(QIcon(picture));
    setIconSize(picture.size());
    setFixedSize(picture.size() + QSize(6, 6));
    setToolTip(m_caption);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    showPicture(m_pressed);
    QPushButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    showPicture(m_normal);
    QPushButton::mouseReleaseEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Also outside a dialog, where a push button leaves Enter to its window.
        if (isEnabled() && !event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        showPicture(m_pressed);
    }
    QPushButton::keyPressEvent(event);
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown()) {
        showPicture(m_normal);
    }
    QPushButton::keyReleaseEvent(event);
}
