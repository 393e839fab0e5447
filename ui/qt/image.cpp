#include "image.h"

#include <QBitmap>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

QImage readPicture(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

struct Picture {
    QImage image;
    QRegion shape;
};

Picture decode(const QString &path, bool transparent)
{
    QImage image = readPicture(path);
    if (image.isNull())
        return {};
    if (!transparent)
        return {image, QRegion(image.rect())};
    // Drawn as it is, without conversion. The art is opaque, so its pixels
    // are already premultiplied; the cut-out ones become 0.
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = image.pixel(0, image.height() - 1);
    // The shape's mask is made in the same pass: set bits are kept.
    QImage mask(image.size(), QImage::Format_MonoLSB);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.fill(0);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        uchar *bits = mask.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (line[x] == key)
                line[x] = 0;
            else
                bits[x >> 3] |= uchar(1 << (x & 7));
        }
    }
    return {image, QRegion(QBitmap::fromImage(mask))};
}

// Decoded pictures by path and transparency: windows with the same art
// share one copy.
Picture sharedPicture(const QString &path, bool transparent)
{
    static QHash<QString, Picture> pictures;
    const QString key = (transparent ? QLatin1Char('t') : QLatin1Char('o')) + path;
    auto it = pictures.constFind(key);
    if (it == pictures.constEnd())
        it = pictures.insert(key, decode(path, transparent));
    return *it;
}

} // namespace

QPixmap loadPicture(const QString &path, bool transparent)
{
    return QPixmap::fromImage(sharedPicture(path, transparent).image);
}

ImageWidget::ImageWidget(QWidget *parent) : QWidget(parent) {}

void ImageWidget::setPicture(const QString &path)
{
    picture_ = path;
    update();
}

void ImageWidget::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

void ImageWidget::setStretch(bool on)
{
    stretch_ = on;
    update();
}

QImage ImageWidget::image() const
{
    return picture_.isEmpty() ? QImage() : sharedPicture(picture_, transparent_).image;
}

QRegion ImageWidget::shape() const
{
    return picture_.isEmpty() ? QRegion() : sharedPicture(picture_, transparent_).shape;
}

void ImageWidget::paintEvent(QPaintEvent *)
{
    const QImage drawn = image();
    if (drawn.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), drawn);
    } else {
        painter.drawImage(0, 0, drawn);
    }
}

void ImageWidget::mousePressEvent(QMouseEvent *event)
{
    if (!click_.press(event))
        QWidget::mousePressEvent(event);
}

void ImageWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(this, event))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}
