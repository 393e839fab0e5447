#pragma once
// The program's art: PNG files embedded as resources (named after the file,
// "cps3_emblem"), decoded into bitmaps that GdiAlphaBlend draws.
#include "screen_scale.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace win32 {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // premultiplied BGRA, top row first
    HBITMAP bitmap = nullptr;           // the same pixels, for drawing
};

// The art `name` at its own size grown by `scale`, or scaled to width ×
// height when both are given. Transparent: the pixels of the colour of its
// bottom-left pixel are see-through. Null when there is no such art. Made
// once, kept for the run.
const Picture *picture(const std::string &name, bool transparent, int width = 0, int height = 0,
                       const core::ScreenScale &scale = core::ScreenScale());

// The picture a control of a layout at `scale` shows: stretched to its
// place, or its own size at that scale.
const Picture *controlPicture(const core::ControlLayout &control, const core::ScreenScale &scale);

void drawPicture(HDC dc, const Picture &picture, int x, int y);

// The part of the picture that is drawn (its pixels that are not
// see-through), placed at (x, y): the shape of a skinned window.
HRGN drawnRegion(const Picture &picture, int x, int y);

} // namespace win32
