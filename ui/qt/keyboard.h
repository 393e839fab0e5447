#pragma once
// The keyboard in the windows: no default or cancel button, Enter presses
// the button that has the focus and nothing else, and each showing of a
// window starts at the first control of its tab order.
#include "layer/form.h"

class QAbstractButton;

void pressOnEnter(QAbstractButton *button);
void focusFirstStop(const ui::Form &form);
