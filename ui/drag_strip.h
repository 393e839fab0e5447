#pragma once
// The skinned windows have no title bar: their top 28 rows act as one.
#include "layer/form.h"
#include "screen_scale.h"

inline constexpr int kDragStripHeight = 28;

// Whether a point in client coordinates lies in the strip that drags the
// window, `stripHeight` rows high. Right and bottom edges are exclusive.
constexpr bool isInDragStrip(int x, int y, int clientWidth, int stripHeight = kDragStripHeight)
{
    return x >= 0 && x < clientWidth && y >= 0 && y < stripHeight;
}

// The strip's height in the window's own pixels: it grows with the window.
inline int dragStripHeight(const ui::Form &window)
{
    return core::ScreenScale(window.dpi()).length(kDragStripHeight);
}

// A skinned window's hit test: the runtime's answer, but the caption's inside
// the strip, over labels too.
inline ui::HitTest WMNCHitTest(const ui::Form &window, int x, int y, ui::HitTest answer)
{
    return isInDragStrip(x, y, window.clientWidth(), dragStripHeight(window)) ? ui::HitTest::Caption : answer;
}
