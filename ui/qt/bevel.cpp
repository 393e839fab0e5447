#include "bevel.h"

#include <QPainter>

BevelWidget::BevelWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelWidget::setShape(Shape shape)
{
    shape_ = shape;
    update();
}

void BevelWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // No colours of its own: the edges darken or lighten whatever lies under
    // them, so the bevel reads as lowered on dark art as on light.
    const QColor shadow(0, 0, 0, 128);
    const QColor highlight(255, 255, 255, 96);
    const int right = width() - 1;
    const int bottom = height() - 1;
    if (shape_ == BottomLine) {
        painter.setPen(shadow);
        painter.drawLine(0, bottom - 1, right, bottom - 1);
        painter.setPen(highlight);
        painter.drawLine(0, bottom, right, bottom);
        return;
    }
    // Lowered: the light falls from the top left, so the top and left edges
    // are in shadow.
    painter.setPen(shadow);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(highlight);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}
