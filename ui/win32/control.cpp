// What every control of the Win32 runtime shares, and the graphic controls:
// labels, picture areas and bevels, drawn by their window over its art.
#include "art.h"
#include "layer/label.h"
#include "layer/runtime.h"
#include "impl.h"

#include <algorithm>

namespace ui {

Control::Impl::Impl(Form::Impl &owner, const core::ControlLayout &controlLayout)
    : form(owner), layout(controlLayout), bounds(toRect(controlLayout.bounds)), enabled(controlLayout.enabled)
{
}

Control::Impl::~Impl() = default;

void Control::Impl::rescale()
{
    bounds = toRect(layout.bounds);
    if (!hwnd)
        return;
    SetWindowPos(hwnd, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top + droppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(win32::font(layout.font)), TRUE);
}

void Control::Impl::setEnabled(bool on)
{
    enabled = on;
    if (hwnd)
        EnableWindow(hwnd, on);
    else
        invalidate();
}

void Control::Impl::invalidate() const
{
    InvalidateRect(form.hwnd, &bounds, FALSE);
}

Control::Impl *runtime::findControl(Form &form, const std::string &name)
{
    return form.impl().controlNamed(name);
}

void runtime::bindControl(Control::Impl &control, Control *member)
{
    control.member = member;
}

void runtime::setControlEnabled(Control::Impl &control, bool on)
{
    control.setEnabled(on);
}

namespace {

constexpr UINT kLabelFormat = DT_NOPREFIX | DT_EXPANDTABS;

// Texts are measured on a memory device of the screen's kind, made once: a
// screen device costs a trip to the display each time.
HDC measuringDC()
{
    static const HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

struct LabelImpl : Control::Impl {
    LabelImpl(Form::Impl &owner, const core::ControlLayout &controlLayout)
        : Impl(owner, controlLayout), text(win32::fromLayoutText(controlLayout.text))
    {
        fit();
    }

    // The text's size in the label's font.
    SIZE textSize() const
    {
        const HDC dc = measuringDC();
        const HGDIOBJ previous = SelectObject(dc, win32::font(layout.font));
        RECT size{0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &size, kLabelFormat | DT_CALCRECT);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        return {size.right, std::max<LONG>(size.bottom, metrics.tmHeight)};
    }

    void fit()
    {
        const SIZE size = textSize();
        const LabelFit fit = fitLabel(layout, size.cx, size.cy);
        bounds.right = bounds.left + fit.width;
        bounds.bottom = bounds.top + fit.height;
        shortened = fit.shortened;
    }

    void setText(const std::string &newText)
    {
        if (newText == text)
            return;
        invalidate();
        text = newText;
        fit();
        invalidate();
        form.setTip(*this, shortened ? text : std::string());
    }

    void rescale() override
    {
        Impl::rescale();
        fit();
        form.setTip(*this, shortened ? text : std::string());
    }

    void paint(HDC dc) const override
    {
        SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ previous = SelectObject(dc, win32::font(layout.font));
        const core::Colour &c = layout.colour;
        SetTextColor(dc, enabled ? RGB(c.red, c.green, c.blue) : RGB(128, 128, 128));
        RECT place = bounds;
        // A text too long for its place is shortened in the middle (a
        // folder keeps its drive and its last name); the tooltip shows it whole.
        const UINT format = kLabelFormat | (layout.centred ? DT_CENTER : 0)
                            | (shortened || !layout.autoSize ? DT_SINGLELINE | DT_PATH_ELLIPSIS : 0);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
        SelectObject(dc, previous);
    }

    bool takesMouse() const override { return true; }
    void click() override { fire(member, &Label::onClick); }

    std::string text;
    bool shortened = false;
};

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

void runtime::setLabelText(Control::Impl &label, const std::string &text)
{
    static_cast<LabelImpl &>(label).setText(text);
}

std::string runtime::labelText(const Control::Impl &label)
{
    return static_cast<const LabelImpl &>(label).text;
}

std::unique_ptr<Control::Impl> makeControl(Form::Impl &form, const core::ControlLayout &layout)
{
    switch (layout.kind) {
    case core::ControlKind::Label:
        return std::make_unique<LabelImpl>(form, layout);
    case core::ControlKind::Image:
        return std::make_unique<ImageImpl>(form, layout);
    case core::ControlKind::Bevel:
        return std::make_unique<BevelImpl>(form, layout);
    case core::ControlKind::Button:
    case core::ControlKind::BitBtn:
        return makeButton(form, layout);
    case core::ControlKind::ComboBox:
        return makeComboBox(form, layout);
    case core::ControlKind::DriveComboBox:
        return makeDriveComboBox(form, layout);
    case core::ControlKind::DirectoryListBox:
        return makeDirectoryListBox(form, layout);
    }
    throw core::LayoutError(layout.name + " is of no kind this runtime knows");
}

} // namespace ui

HWND ui::makeChild(Form::Impl &form, const core::ControlLayout &layout, int id, const char *windowClass,
                   DWORD style, DWORD exStyle, int extraHeight)
{
    style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (layout.enabled ? 0 : WS_DISABLED);
    const HWND child = CreateWindowExA(exStyle, windowClass, win32::fromLayoutText(layout.text).c_str(), style,
                                       layout.bounds.left, layout.bounds.top, layout.bounds.width,
                                       layout.bounds.height + extraHeight, form.hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win32::instance(), nullptr);
    if (!child)
        throw core::Error("cannot make the control " + layout.name);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(win32::font(layout.font)), FALSE);
    return child;
}

RECT ui::toRect(const core::Rect &r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

std::string win32::windowText(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    return text;
}
