#pragma once
// A label's size and whether its text is shortened, from the size its
// runtime measured for the text, whatever draws it.
#include "layout.h"

namespace ui {

struct LabelFit {
    int width = 0, height = 0;
    // The text is wider than the label: drawn shortened in the middle (a
    // folder keeps its drive and its last name), whole in a tooltip.
    bool shortened = false;
};

// A text wider than the room it is drawn in is shortened.
inline bool isShortened(int textWidth, int room)
{
    return textWidth > room;
}

// A self-sizing label takes its text's size, no wider than its layout's
// widest; a fixed one keeps the size of its layout.
LabelFit fitLabel(const core::ControlLayout &layout, int textWidth, int textHeight);

} // namespace ui
