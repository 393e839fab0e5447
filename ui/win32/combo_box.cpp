// The editable drop-down.
#include "impl.h"
#include "layer/combo_box.h"

namespace ui {

// The closed box takes the height of its layout place, or the least its font
// allows. The box settles its size from the font only when asked, so it is
// measured again after the first step.
void fitComboHeight(HWND combo, int height)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT box;
        GetWindowRect(combo, &box);
        const LRESULT field = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        const LRESULT wanted = field + height - (box.bottom - box.top);
        if (field == CB_ERR || wanted <= 0)
            return;
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
    }
}

int comboSelected(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

namespace {

std::string entryText(HWND combo, int n)
{
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(n), 0);
    if (length == CB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

struct ComboBoxImpl : Control::Impl {
    using Impl::Impl;

    void create(int id) override
    {
        hwnd = makeChild(form, layout, id, "COMBOBOX", WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, droppedHeight());
        const Quiet hush(*this);
        for (const std::string &item : layout.items)
            SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::fromLayoutText(item).c_str()));
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(layout.itemIndex), 0);
        fitComboHeight(hwnd, layout.bounds.height);
    }

    int droppedHeight() const override { return form.scale.length(kComboListHeight); }
    void rescale() override
    {
        Impl::rescale();
        fitComboHeight(hwnd, layout.bounds.height);
    }

    int count() const { return static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0)); }

    void setItem(int n, const std::string &text)
    {
        const Quiet hush(*this);
        const int before = comboSelected(hwnd);
        SendMessageA(hwnd, CB_DELETESTRING, static_cast<WPARAM>(n), 0);
        SendMessageA(hwnd, CB_INSERTSTRING, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(text.c_str()));
        // The selected entry stays selected and shows its new text.
        if (before >= 0)
            SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(before), 0);
    }

    void setItemIndex(int n)
    {
        const Quiet hush(*this);
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(n), 0);
        if (n < 0)
            SetWindowTextA(hwnd, "");
    }

    // The box's notifications, in the order the system sends them: a typed
    // key gives CBN_EDITCHANGE (after the text changed); choosing from the
    // open list gives CBN_SELCHANGE (before the box shows the entry), then
    // CBN_CLOSEUP; opening the list may itself select the entry that starts
    // with the typed text, with no CBN_SELCHANGE, seen only at CBN_CLOSEUP.
    void command(WORD code) override
    {
        if (quiet)
            return;
        if (code == CBN_SELCHANGE) {
            // The box shows the chosen entry only after this notification;
            // the handler reads it now.
            const Quiet hush(*this);
            SetWindowTextA(hwnd, entryText(hwnd, comboSelected(hwnd)).c_str());
        } else if (code == CBN_EDITCHANGE) {
            followText();
        } else if (code != CBN_CLOSEUP || (comboSelected(hwnd) == lastIndex && win32::windowText(hwnd) == lastText)) {
            // Opening the list may itself choose the entry that begins with
            // the typed text (the system's own behaviour); that is the
            // user's change too, seen when the list closes.
            return;
        }
        noteState();
        fire(member, &ComboBox::onChange);
    }

    void noteState()
    {
        lastIndex = comboSelected(hwnd);
        lastText = win32::windowText(hwnd);
    }

    // The selection follows what the user types: the entry of exactly that
    // text, or none.
    void followText()
    {
        const std::string typed = win32::windowText(hwnd);
        const int match = combo::entryOfText(typed, count(), [this](int n) { return entryText(hwnd, n); });
        if (match == comboSelected(hwnd))
            return;
        const Quiet hush(*this);
        const LRESULT caret = SendMessageA(hwnd, CB_GETEDITSEL, 0, 0);
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(match), 0);  // -1 empties the text
        if (win32::windowText(hwnd) != typed)
            SetWindowTextA(hwnd, typed.c_str());
        SendMessageA(hwnd, CB_SETEDITSEL, 0, MAKELPARAM(LOWORD(caret), HIWORD(caret)));
    }

    // Changes made here are not the user's: no change event for them.
    struct Quiet {
        explicit Quiet(ComboBoxImpl &combo) : combo_(combo), was_(combo.quiet) { combo.quiet = true; }
        ~Quiet()
        {
            combo_.quiet = was_;
            if (!was_)
                combo_.noteState();
        }
        ComboBoxImpl &combo_;
        bool was_;
    };
    bool quiet = false;
    // What the box showed when the user or the program last changed it.
    int lastIndex = -1;
    std::string lastText;
};

} // namespace

std::unique_ptr<Control::Impl> makeComboBox(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<ComboBoxImpl>(form, layout);
}

int runtime::comboEntryCount(const Control::Impl &combo)
{
    return static_cast<const ComboBoxImpl &>(combo).count();
}

void runtime::setComboEntry(Control::Impl &combo, int n, const std::string &text)
{
    static_cast<ComboBoxImpl &>(combo).setItem(n, text);
}

int runtime::comboSelection(const Control::Impl &combo)
{
    return comboSelected(combo.hwnd);
}

void runtime::setComboSelection(Control::Impl &combo, int n)
{
    static_cast<ComboBoxImpl &>(combo).setItemIndex(n);
}

std::string runtime::comboText(const Control::Impl &combo)
{
    return win32::windowText(combo.hwnd);
}

} // namespace ui
