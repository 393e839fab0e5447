// What every control of the Win32 runtime shares, and the making of each
// kind of control.
#include "impl.h"

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

std::unique_ptr<Control::Impl> makeControl(Form::Impl &form, const core::ControlLayout &layout)
{
    switch (layout.kind) {
    case core::ControlKind::Label:
        return makeLabel(form, layout);
    case core::ControlKind::Image:
        return makeImage(form, layout);
    case core::ControlKind::Bevel:
        return makeBevel(form, layout);
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
