// The drive drop-down: the shared drive choice, shown in a native list.
#include "folders.h"
#include "impl.h"
#include "layer/drive_combo_box.h"

namespace ui {

namespace {

struct DriveComboBoxImpl : Control::Impl {
    DriveComboBoxImpl(Form::Impl &owner, const core::ControlLayout &controlLayout)
        : Impl(owner, controlLayout), choice(core::listDrives())
    {
    }

    void create(int id) override
    {
        hwnd = makeChild(form, layout, id, "COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, 0, droppedHeight());
        fitComboHeight(hwnd, layout.bounds.height);
        showChoice();
    }

    int droppedHeight() const override { return form.scale.length(kComboListHeight); }
    void rescale() override
    {
        Impl::rescale();
        fitComboHeight(hwnd, layout.bounds.height);
    }

    // Lists the choice's drives, its chosen one shown.
    void showChoice()
    {
        SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
        for (const std::string &drive : choice.drives())
            SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
        SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(choice.chosen()), 0);
    }

    void command(WORD code) override
    {
        if (code == CBN_SELCHANGE && choice.userPicked(comboSelected(hwnd)))
            fire(member, &DriveComboBox::onChange);
    }

    DriveChoice choice;
};

} // namespace

std::unique_ptr<Control::Impl> makeDriveComboBox(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<DriveComboBoxImpl>(form, layout);
}

std::string runtime::selectedDrive(const Control::Impl &drives)
{
    return static_cast<const DriveComboBoxImpl &>(drives).choice.drive();
}

void runtime::setSelectedDrive(Control::Impl &drives, const std::string &driveRoot)
{
    auto &list = static_cast<DriveComboBoxImpl &>(drives);
    if (list.choice.choose(driveRoot))
        SendMessageA(list.hwnd, CB_SETCURSEL, static_cast<WPARAM>(list.choice.chosen()), 0);
}

void runtime::setDriveList(Control::Impl &drives, const std::vector<std::string> &list)
{
    auto &combo = static_cast<DriveComboBoxImpl &>(drives);
    combo.choice.setDrives(list);
    combo.showChoice();
}

} // namespace ui
