#include "click_tracker.h"

#include <QMouseEvent>
#include <QWidget>

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
