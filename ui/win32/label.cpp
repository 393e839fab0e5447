// Labels: drawn by their window over its art, sized by the shared rule.
#include "impl.h"
#include "layer/label.h"

#include <algorithm>

namespace ui {

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

} // namespace

std::unique_ptr<Control::Impl> makeLabel(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<LabelImpl>(form, layout);
}

void runtime::setLabelText(Control::Impl &label, const std::string &text)
{
    static_cast<LabelImpl &>(label).setText(text);
}

std::string runtime::labelText(const Control::Impl &label)
{
    return static_cast<const LabelImpl &>(label).text;
}

} // namespace ui
