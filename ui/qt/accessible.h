#pragma once
// What a screen reader finds in the windows (accessible_names.h), over Qt's
// accessibility: the window lists what a reader finds, the drawn texts and
// clickable places are read by their names, with a press that clicks them.
#include "layer/form.h"

class QWidget;

// Makes `window`, the widget of `form`, known to readers as that form.
void exposeToReaders(QWidget *window, ui::Form &form);
// The names of the form's own widgets follow its texts; run after a text changed.
void renameForReaders(const ui::Form &form);
