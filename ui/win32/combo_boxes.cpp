// The editable drop-down and the drive drop-down.
#include "folders.h"
#include "win32_impl.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kListHeight = 160;  // the open list, below the box

// The closed box takes the height of its layout place, or the least its font
// allows. The box settles its size from the font only when asked, so it is
// measured again after the first step.
void fitHeight(HWND combo, int height)
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

int selected(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
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
        fitHeight(hwnd, layout.bounds.height);
    }

    int droppedHeight() const override { return form.scale.length(kListHeight); }
    void rescale() override
    {
        Impl::rescale();
        fitHeight(hwnd, layout.bounds.height);
    }

    int count() const { return static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0)); }

    void setItem(int n, const std::string &text)
    {
        if (n < 0 || n >= count())
            throw core::ListIndexError(n);
        const Quiet hush(*this);
        const int before = selected(hwnd);
        SendMessageA(hwnd, CB_DELETESTRING, static_cast<WPARAM>(n), 0);
        SendMessageA(hwnd, CB_INSERTSTRING, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(text.c_str()));
        // The selected entry stays selected and shows its new text.
        if (before >= 0)
            SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(before), 0);
    }

    void setItemIndex(int n)
    {
        const Quiet hush(*this);
        if (n < 0 || n >= count())
            n = -1;
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(n), 0);
        if (n < 0)
            SetWindowTextA(hwnd, "");
    }

    void command(WORD code) override
    {
        if (quiet)
            return;
        if (code == CBN_SELCHANGE) {
            // The box shows the chosen entry only after this notification;
            // the handler reads it now.
            const Quiet hush(*this);
            SetWindowTextA(hwnd, entryText(hwnd, selected(hwnd)).c_str());
        } else if (code == CBN_EDITCHANGE) {
            followText();
        } else if (code != CBN_CLOSEUP || (selected(hwnd) == lastIndex && win32::windowText(hwnd) == lastText)) {
            // Opening the list may itself choose the entry that begins with
            // the typed text (the system's own behaviour); that is the
            // user's change too, seen when the list closes.
            return;
        }
        noteState();
        if (member)
            fire(static_cast<ComboBox *>(member)->onChange);
    }

    void noteState()
    {
        lastIndex = selected(hwnd);
        lastText = win32::windowText(hwnd);
    }

    // The selection follows what the user types: the entry of exactly that
    // text, or none.
    void followText()
    {
        const std::string typed = win32::windowText(hwnd);
        int match = -1;
        for (int n = 0; n < count() && match < 0; ++n)
            if (entryText(hwnd, n) == typed)
                match = n;
        if (match == selected(hwnd))
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

struct DriveComboBoxImpl : Control::Impl {
    using Impl::Impl;

    void create(int id) override
    {
        hwnd = makeChild(form, layout, id, "COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, 0, droppedHeight());
        fitHeight(hwnd, layout.bounds.height);
        const std::vector<std::string> listed = core::listDrives();
        setDrives(listed);
        setDrive(core::driveOf(core::workingFolder(), listed));
    }

    int droppedHeight() const override { return form.scale.length(kListHeight); }
    void rescale() override
    {
        Impl::rescale();
        fitHeight(hwnd, layout.bounds.height);
    }

    std::string drive() const
    {
        return chosen >= 0 ? drives[static_cast<std::size_t>(chosen)] : core::driveOf(core::workingFolder(), {});
    }

    void setDrive(const std::string &root)
    {
        // "c:\" is "C:\".
        const auto found = std::find_if(drives.begin(), drives.end(), [&](const std::string &drive) {
            return lstrcmpiA(drive.c_str(), root.c_str()) == 0;
        });
        if (found == drives.end())
            return;
        chosen = static_cast<int>(found - drives.begin());
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    }

    void setDrives(const std::vector<std::string> &list)
    {
        const std::string before = drive();
        drives = list;
        chosen = -1;
        SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
        for (const std::string &drive : drives)
            SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
        setDrive(before);
    }

    void command(WORD code) override
    {
        const int now = selected(hwnd);
        if (code != CBN_SELCHANGE || now == chosen || now < 0)
            return;
        chosen = now;
        if (member)
            fire(static_cast<DriveComboBox *>(member)->onChange);
    }

    std::vector<std::string> drives;
    int chosen = -1;
};

} // namespace

std::unique_ptr<Control::Impl> makeComboBox(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<ComboBoxImpl>(form, layout);
}

std::unique_ptr<Control::Impl> makeDriveComboBox(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<DriveComboBoxImpl>(form, layout);
}

void ComboBox::setItem(int n, const std::string &text)
{
    static_cast<ComboBoxImpl &>(impl()).setItem(n, text);
}

int ComboBox::itemIndex() const
{
    return selected(impl().hwnd);
}

void ComboBox::setItemIndex(int n)
{
    static_cast<ComboBoxImpl &>(impl()).setItemIndex(n);
}

std::string ComboBox::text() const
{
    return win32::windowText(impl().hwnd);
}

std::string DriveComboBox::drive() const
{
    return static_cast<DriveComboBoxImpl &>(impl()).drive();
}

void DriveComboBox::setDrive(const std::string &driveRoot)
{
    static_cast<DriveComboBoxImpl &>(impl()).setDrive(driveRoot);
}

void DriveComboBox::setDrives(const std::vector<std::string> &drives)
{
    static_cast<DriveComboBoxImpl &>(impl()).setDrives(drives);
}

} // namespace ui
