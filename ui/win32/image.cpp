// Picture areas: drawn by their window over its art; they catch clicks
// with a picture or without.
#include "art.h"
#include "impl.h"

namespace ui {

namespace {

struct ImageImpl : Control::Impl {
    using Impl::Impl;

    void paint(HDC dc) const override
    {
        if (layout.picture.empty())
            return;  // an area that only catches clicks
        const win32::Picture *art = win32::controlPicture(layout, form.scale);
        if (!art)
            return;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        win32::drawPicture(dc, *art, bounds.left, bounds.top);
        RestoreDC(dc, saved);
    }

    bool takesMouse() const override { return true; }
    void click() override { fire(member, &Image::onClick); }
};

} // namespace

std::unique_ptr<Control::Impl> makeImage(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<ImageImpl>(form, layout);
}

} // namespace ui
