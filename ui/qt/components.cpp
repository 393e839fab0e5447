#include "components.h"

#include "layer/label.h"

#include <QBitmap>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include <algorithm>

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

// Every change of a label's contents (setText, setNum, clear, through a
// LabelWidget or a QLabel pointer) ends in QWidget::updateGeometry, which
// invalidates the layout of the label's parent. The windows place their
// controls by hand, so their labels' parent gets this layout, which lays
// out nothing and only passes the news on to its self-sizing labels. (Qt
// holds the news back while a window is hidden and gives it when it shows.)
class LabelTextWatcher : public QLayout {
public:
    explicit LabelTextWatcher(QWidget *parent) : QLayout(parent)
    {
        setSizeConstraint(SetNoConstraint);
    }

    void invalidate() override
    {
        const auto labels = parentWidget()->findChildren<LabelWidget *>(Qt::FindDirectChildrenOnly);
        for (LabelWidget *label : labels)
            label->followText();
    }

    void addItem(QLayoutItem *item) override { delete item; }
    int count() const override { return 0; }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    QSize sizeHint() const override { return {}; }
};

LabelWidget::LabelWidget(QWidget *parent) : QLabel(parent)
{
    // Folder names and language lines are shown as they are, never as markup.
    setTextFormat(Qt::PlainText);
    watchParent();
}

void LabelWidget::watchParent()
{
    // A parent with a layout of its own sizes its labels itself.
    if (parentWidget() && !parentWidget()->layout())
        new LabelTextWatcher(parentWidget());
}

void LabelWidget::setLayout(const core::ControlLayout &layout)
{
    layout_ = &layout;
    fittedFont_.reset();
    fitText();
}

void LabelWidget::followText()
{
    if (text() != fittedText_)
        fitText();
}

void LabelWidget::fitText()
{
    const bool sameText = text() == fittedText_;
    fittedText_ = text();
    // Until it is polished (as its window shows, or as the event loop starts)
    // a label lacks the font its style sheet gives it, and fitting it would
    // only load fonts that are never drawn.
    if (!layout_ || !layout_->autoSize || !testAttribute(Qt::WA_WState_Polished))
        return;
    // While a window is built its labels hear of many style and font
    // changes; only a new text, font or frame changes the fit.
    if (sameText && fittedFont_ == font() && fittedFrame_ == frameWidth())
        return;
    fittedFont_ = font();
    fittedFrame_ = frameWidth();
    // Some fonts draw accents on capitals above their ascent, cedillas below
    // their descent, or a last letter past its advance. Grow the label by
    // that much so nothing is clipped, keeping the text itself where the
    // layout put it.
    const QFontMetrics metrics(font());
    const QRect ink = metrics.boundingRect(text());
    const QMargins overhang(std::max(0, -ink.left()), std::max(0, -ink.top() - metrics.ascent()),
                            std::max(0, ink.right() + 1 - metrics.horizontalAdvance(text())),
                            std::max(0, ink.bottom() + 1 - metrics.descent()));
    const QMargins old = contentsMargins();
    const QPoint textTopLeft = pos() + QPoint(old.left(), old.top());
    setContentsMargins(overhang);
    // A label at its window's top or left edge cannot grow past it: there
    // the text moves in instead, so an accent on a capital is never cut off.
    QPoint topLeft = textTopLeft - QPoint(overhang.left(), overhang.top());
    if (parentWidget())
        topLeft = QPoint(std::max(0, topLeft.x()), std::max(0, topLeft.y()));
    const QSize wanted = sizeHint();
    const ui::LabelFit fit = ui::fitLabel(*layout_, wanted.width(), wanted.height());
    setGeometry(QRect(topLeft, QSize(fit.width, fit.height)));
}

bool LabelWidget::isShortened() const
{
    return ui::isShortened(fontMetrics().horizontalAdvance(text()), contentsRect().width());
}

void LabelWidget::paintEvent(QPaintEvent *event)
{
    if (!isShortened()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect room = contentsRect();
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          option.palette, isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()), foregroundRole());
}

bool LabelWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isShortened()) {
        // Marked up, so that a text that looks like markup is shown as it is.
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text().toHtmlEscaped()), this);
        return true;
    }
    const bool done = QLabel::event(event);
    if (event->type() == QEvent::Polish)
        fitText();
    return done;
}

void LabelWidget::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitText();
    else if (event->type() == QEvent::ParentChange)
        watchParent();
}

void LabelWidget::mousePressEvent(QMouseEvent *event)
{
    if (!click_.press(event))
        QLabel::mousePressEvent(event);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(this, event))
        emit clicked();
    else
        QLabel::mouseReleaseEvent(event);
}

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
