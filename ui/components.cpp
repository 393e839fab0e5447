#include "components.h"

#include <QBitmap>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

QPixmap loadPicture(const QString &path, bool transparent)
{
    const QImage image(path);
    QPixmap picture = QPixmap::fromImage(image);
    if (transparent && !image.isNull()) {
        const QColor key = image.pixelColor(0, image.height() - 1);
        picture.setMask(picture.createMaskFromColor(key, Qt::MaskInColor));
    }
    return picture;
}

bool ClickTracker::press(const QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    return pressed_;
}

bool ClickTracker::release(const QWidget *control, const QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && control->rect().contains(event->position().toPoint());
    pressed_ = false;
    return click;
}

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    // Folder names and language lines are shown as they are, never as markup.
    setTextFormat(Qt::PlainText);
}

void TLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    fitText();
}

void TLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitText();
}

void TLabel::fitText()
{
    if (!autoSize_)
        return;
    ensurePolished();  // the style sheet may set the font
    // Some fonts draw accents on capitals above their ascent (and cedillas
    // below their descent). Grow the label by that much so nothing is
    // clipped, keeping the text itself where the layout put it.
    const QFontMetrics metrics(font());
    const QRect ink = metrics.boundingRect(text());
    const int above = std::max(0, -ink.top() - metrics.ascent());
    const int below = std::max(0, ink.bottom() + 1 - metrics.descent());
    const QPoint textTopLeft = pos() + QPoint(0, contentsMargins().top());
    setContentsMargins(0, above, 0, below);
    setGeometry(QRect(textTopLeft - QPoint(0, above), sizeHint()));
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitText();
}

void TLabel::mousePressEvent(QMouseEvent *event)
{
    if (!click_.press(event))
        QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(this, event))
        emit clicked();
    else
        QLabel::mouseReleaseEvent(event);
}

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QString &path)
{
    picture_ = path;
    rebuild();
}

void TImage::setTransparent(bool on)
{
    transparent_ = on;
    rebuild();
}

void TImage::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void TImage::rebuild()
{
    drawn_ = picture_.isEmpty() ? QPixmap() : loadPicture(picture_, transparent_);
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (drawn_.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), drawn_);
    } else {
        painter.drawPixmap(0, 0, drawn_);
    }
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (!click_.press(event))
        QWidget::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(this, event))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}
