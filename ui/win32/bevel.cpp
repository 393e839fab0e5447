// Bevels: lowered frames and lines drawn by their window over its art.
#include "impl.h"

namespace ui {

namespace {

// Covers a rectangle with a colour at an opacity of 255, so that what lies
// under it shows darkened or lightened.
void blend(HDC dc, const RECT &place, COLORREF colour, BYTE opacity)
{
    const HDC source = CreateCompatibleDC(dc);
    const HBITMAP dot = CreateCompatibleBitmap(dc, 1, 1);
    const HGDIOBJ previous = SelectObject(source, dot);
    SetPixel(source, 0, 0, colour);
    const BLENDFUNCTION how{AC_SRC_OVER, 0, opacity, 0};
    GdiAlphaBlend(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, source, 0, 0, 1, 1,
                  how);
    SelectObject(source, previous);
    DeleteObject(dot);
    DeleteDC(source);
}

// Lowered: the light falls from the top left, so top and left are in shadow.
// No colours of its own: the edges darken or lighten the art under them.
struct BevelImpl : Control::Impl {
    using Impl::Impl;

    void paint(HDC dc) const override
    {
        const auto shade = [dc](LONG left, LONG top, LONG right, LONG bottom) {
            blend(dc, {left, top, right, bottom}, RGB(0, 0, 0), 128);
        };
        const auto light = [dc](LONG left, LONG top, LONG right, LONG bottom) {
            blend(dc, {left, top, right, bottom}, RGB(255, 255, 255), 96);
        };
        const RECT &b = bounds;
        const int one = form.scale.length(1), two = form.scale.length(2);  // the lines grow with the window
        if (layout.bottomLineOnly) {
            shade(b.left, b.bottom - two, b.right, b.bottom - one);
            light(b.left, b.bottom - one, b.right, b.bottom);
        } else {
            shade(b.left, b.top, b.right, b.top + one);
            shade(b.left, b.top + one, b.left + one, b.bottom);
            light(b.right - one, b.top + one, b.right, b.bottom);
            light(b.left + one, b.bottom - one, b.right - one, b.bottom);
        }
    }
};

} // namespace

std::unique_ptr<Control::Impl> makeBevel(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<BevelImpl>(form, layout);
}

} // namespace ui
