#include "label.h"

#include "layer/label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include <algorithm>

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
