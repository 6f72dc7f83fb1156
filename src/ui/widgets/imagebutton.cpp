// Picture buttons.
#include "ui/widgets/imagebutton.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

// The smallest font a redrawn caption is shrunk to before the button grows wider.
constexpr int smallestCaptionPx = 8;
// The space the pictures leave between their caption or glyph and the left and right edges.
constexpr int sideMargin = 5;
// The picture's rounded ends, kept as they are when a face is stretched wider.
constexpr int faceEnd = 6;

// What each picture in the folder has drawn in it, by file name.
QJsonObject drawnCaptions(const QString& folder) {
    QFile file(folder + QStringLiteral("/captions.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

QFont captionFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

// The face drawn width pixels wide: its ends as they are, its middle stretched.
void drawFace(QPainter& painter, const QPixmap& face, int width) {
    const int h = face.height();
    if (width <= face.width()) {
        painter.drawPixmap(0, 0, face);
        return;
    }
    const int end = std::min(faceEnd, face.width() / 2);
    painter.drawPixmap(QRect(0, 0, end, h), face, QRect(0, 0, end, h));
    painter.drawPixmap(QRect(end, 0, width - 2 * end, h), face, QRect(end, 0, face.width() - 2 * end, h));
    painter.drawPixmap(QRect(width - end, 0, end, h), face, QRect(face.width() - end, 0, end, h));
}

}  // namespace

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
    const QJsonObject drawn = drawnCaptions(m_folder).value(fileName).toObject();
    if (drawn.isEmpty()) {
        // Words unknown: they might be another language's.
        showCaption();
        return;
    }
    const QPixmap picture = drawn.value(QStringLiteral("caption")).toString() == m_caption
                                ? QPixmap(m_folder + QLatin1Char('/') + fileName)
                                : redrawn(fileName, drawn);
    if (picture.isNull()) {
        showCaption();
        return;
    }
    setText(QString());
    setIcon(QIcon(picture));
    setIconSize(picture.size());
    setFixedSize(picture.size() + QSize(6, 6));
    setToolTip(m_caption);
}

void ImageButton::showCaption() {
    setIcon(QIcon());
    setText(m_caption);
}

QPixmap ImageButton::redrawn(const QString& fileName, const QJsonObject& drawn) const {
    const QPixmap face(m_folder + QStringLiteral("/face/") + fileName);
    if (face.isNull()) {
        return {};
    }
    const int glyphWidth = drawn.value(QStringLiteral("glyph")).toInt();
    QPixmap glyph;
    if (glyphWidth > 0) {
        glyph = QPixmap(m_folder + QStringLiteral("/glyph/") + QFileInfo(fileName).completeBaseName() +
                        QStringLiteral(".png"));
        if (glyph.isNull()) {
            return {};
        }
    }
    const int gap = glyphWidth > 0 ? drawn.value(QStringLiteral("gap")).toInt() : 0;
    const int shift = drawn.value(QStringLiteral("shift")).toInt();
    const QColor ink(drawn.value(QStringLiteral("ink")).toString(QStringLiteral("#ffffff")));
    const int h = face.height();

    // The largest font, at most the picture's own, at which the caption fits beside the glyph.
    const int room = face.width() - 2 * sideMargin - glyphWidth - gap;
    int pixels = std::max(drawn.value(QStringLiteral("font_px")).toInt(12), smallestCaptionPx);
    QFont font = captionFont(pixels);
    int textWidth = QFontMetrics(font).horizontalAdvance(m_caption);
    while (textWidth > room && pixels > smallestCaptionPx) {
        font = captionFont(--pixels);
        textWidth = QFontMetrics(font).horizontalAdvance(m_caption);
    }
    const int width = face.width() + std::max(0, textWidth - room);

    QPixmap picture(width, h);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawFace(painter, face, width);
    const int left = (width - (glyphWidth + gap + textWidth)) / 2 + shift;
    if (!glyph.isNull()) {
        // The glyph's picture has a pixel of margin on each side and the picture's height.
        painter.drawPixmap(left - 1, shift, glyph);
    }
    // The middle of the capitals on the middle of the picture.
    const QFontMetrics metrics(font);
    const int baseline = qRound((h + metrics.capHeight()) / 2.0) + shift;
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(left + glyphWidth + gap, baseline, m_caption);
    painter.end();
    return picture;
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
