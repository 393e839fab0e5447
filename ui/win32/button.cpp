// Push buttons, and buttons with their picture above their text (BitBtn).
#include "art.h"
#include "impl.h"

namespace ui {

namespace {

struct ButtonImpl : Control::Impl {
    using Impl::Impl;

    void create(int id) override
    {
        const bool picture = layout.kind == core::ControlKind::BitBtn;
        hwnd = makeChild(form, layout, id, "BUTTON", picture ? BS_OWNERDRAW : BS_PUSHBUTTON);
    }

    void command(WORD code) override
    {
        // A disabled button ignores the user; some systems still report a
        // click sent to it.
        if (code == BN_CLICKED && enabled)
            fire(member, &Button::onClick);
    }

    // The picture, then the text below it, centred together.
    void drawItem(const DRAWITEMSTRUCT &item) override
    {
        const HDC dc = item.hDC;
        RECT face = item.rcItem;
        const bool pushed = item.itemState & ODS_SELECTED;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const int shift = pushed ? 1 : 0;
        const std::string text = win32::windowText(hwnd);
        const HGDIOBJ previous = SelectObject(dc, win32::font(layout.font));
        RECT textSize{0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textSize, DT_CALCRECT | DT_SINGLELINE);
        const win32::Picture *art = win32::controlPicture(layout, form.scale);
        const int spacing = form.scale.length(4);
        const int artHeight = art ? art->height + spacing : 0;
        const int top = (face.bottom - artHeight - textSize.bottom) / 2 + shift;
        if (art)
            win32::drawPicture(dc, *art, (face.right - art->width) / 2 + shift, top);
        RECT place{shift, top + artHeight, face.right + shift, top + artHeight + textSize.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&face, -spacing, -spacing);
            DrawFocusRect(dc, &face);
        }
    }
};

} // namespace

std::unique_ptr<Control::Impl> makeButton(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<ButtonImpl>(form, layout);
}

void runtime::setButtonText(Control::Impl &button, const std::string &text)
{
    SetWindowTextA(button.hwnd, text.c_str());
}

std::string runtime::buttonText(const Control::Impl &button)
{
    return win32::windowText(button.hwnd);
}

} // namespace ui
