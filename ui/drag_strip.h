#pragma once
// The skinned windows have no title bar: their top 28 rows act as one.
#include "layer/form.h"

inline constexpr int kDragStripHeight = 28;

// Whether a point in client coordinates lies in the strip that drags the
// window. Right and bottom edges are exclusive.
constexpr bool isInDragStrip(int x, int y, int clientWidth)
{
    return x >= 0 && x < clientWidth && y >= 0 && y < kDragStripHeight;
}

// A skinned window's hit test: the runtime's answer, but the caption's inside
// the strip, over labels too.
inline ui::HitTest WMNCHitTest(const ui::Form &window, int x, int y, ui::HitTest answer)
{
    return isInDragStrip(x, y, window.clientWidth()) ? ui::HitTest::Caption : answer;
}
