#include "components.h"

#include <QBitmap>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLayout>
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

// Every change of a label's contents (setText, setNum, clear, through a
// TLabel or a QLabel pointer) ends in QWidget::updateGeometry, which
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
        const auto labels = parentWidget()->findChildren<TLabel *>(Qt::FindDirectChildrenOnly);
        for (TLabel *label : labels)
            label->followText();
    }

    void addItem(QLayoutItem *item) override { delete item; }
    int count() const override { return 0; }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    QSize sizeHint() const override { return {}; }
};

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    // Folder names and language lines are shown as they are, never as markup.
    setTextFormat(Qt::PlainText);
    watchParent();
}

void TLabel::watchParent()
{
    // A parent with a layout of its own sizes its labels itself.
    if (parentWidget() && !parentWidget()->layout())
        new LabelTextWatcher(parentWidget());
}

void TLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    fitText();
}

void TLabel::followText()
{
    if (text() != fittedText_)
        fitText();
}

void TLabel::fitText()
{
    fittedText_ = text();
    if (!autoSize_)
        return;
    ensurePolished();  // the style sheet may set the font
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
    setGeometry(QRect(topLeft, sizeHint()));
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitText();
    else if (event->type() == QEvent::ParentChange)
        watchParent();
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
