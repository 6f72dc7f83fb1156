// Picture buttons.
#include "ui/widgets/imagebutton.h"

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
