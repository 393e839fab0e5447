#pragma once
// For tests: the Qt widget behind a window or control of the component layer.
#include "layer/controls.h"

#include <QWidget>

QWidget *widgetOf(const ui::Form &form);
QWidget *controlWidget(const ui::Control &control);

template <typename Widget = QWidget>
Widget *widgetOf(const ui::Control &control)
{
    return qobject_cast<Widget *>(controlWidget(control));
}
