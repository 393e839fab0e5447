#include "screen_scale.h"

namespace core {

Rect ScreenScale::rect(const Rect &r) const
{
    const int left = length(r.left), top = length(r.top);
    return {left, top, length(r.left + r.width) - left, length(r.top + r.height) - top};
}

Font ScreenScale::font(const Font &f) const
{
    Font out = f;
    out.pixelSize = length(f.pixelSize);
    return out;
}

ControlLayout ScreenScale::control(const ControlLayout &c) const
{
    ControlLayout out = c;
    out.bounds = rect(c.bounds);
    out.font = font(c.font);
    if (c.maxWidth > 0)
        out.maxWidth = length(c.bounds.left + c.maxWidth) - out.bounds.left;
    return out;
}

FormLayout ScreenScale::form(const FormLayout &f) const
{
    FormLayout out = f;
    out.clientWidth = length(f.clientWidth);
    out.clientHeight = length(f.clientHeight);
    out.font = font(f.font);
    for (ControlLayout &c : out.controls)
        c = control(c);
    return out;
}

int ScreenScale::sourcePixel(int scaled) const
{
    // length() grows by at least one per step, so this first guess is at
    // most one too far.
    int pixel = static_cast<int>(static_cast<long long>(scaled) * kBaseDpi / dpi_);
    while (pixel > 0 && length(pixel) > scaled)
        --pixel;
    while (length(pixel + 1) <= scaled)
        ++pixel;
    return pixel;
}

} // namespace core
