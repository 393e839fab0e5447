#pragma once
// The skinned windows have no title bar: their top 28 rows act as one.

inline constexpr int kDragStripHeight = 28;

// Whether a point in client coordinates lies in the strip that drags the
// window. Right and bottom edges are exclusive.
constexpr bool isInDragStrip(int x, int y, int clientWidth)
{
    return x >= 0 && x < clientWidth && y >= 0 && y < kDragStripHeight;
}
