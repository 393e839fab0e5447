#include "accessible_names.h"

#include "Unit1.h"
#include "layer/controls.h"

#include <initializer_list>

namespace ui {

namespace {

using core::ControlKind;

// A control read by other texts than its own: by the labels beside it
// (their texts joined), by a language line, or by a fixed English name
// where the window shows none.
struct NamedBy {
    const char *form;
    const char *control;
    Role role;
    std::initializer_list<const char *> labels;
    int languageLine;
    const char *fallback;
};

const NamedBy kNames[] = {
    {"TForm1", "Label1", Role::Link, {}, -1, nullptr},
    {"TForm1", "Label3", Role::Link, {}, -1, nullptr},
    {"TForm1", "Image4", Role::Link, {"Label1"}, -1, nullptr},
    {"TForm1", "Image5", Role::Link, {"Label3"}, -1, nullptr},
    // The picker's caption, and the text of every button that closes a window.
    {"TForm1", "Image2", Role::Button, {}, 6, "Emulator folders"},
    {"TForm1", "Image3", Role::Button, {}, 8, "Close"},
    {"TForm2", "DirectoryListBox1", Role::FolderList, {}, -1, "Folders"},
    {"TForm2", "DriveComboBox1", Role::ComboBox, {}, -1, "Drive"},
    {"TForm3", "ComboBox1", Role::ComboBox, {"Label4"}, -1, nullptr},
    {"TForm3", "ComboBox2", Role::ComboBox, {"Label5"}, -1, nullptr},
    {"TForm3", "ComboBox3", Role::ComboBox, {"Label6", "Label11"}, -1, nullptr},
    {"TForm3", "ComboBox4", Role::ComboBox, {"Label7"}, -1, nullptr},
    {"TForm3", "ComboBox5", Role::ComboBox, {"Label9"}, -1, nullptr},
    {"TForm3", "ComboBox6", Role::ComboBox, {"Label10"}, -1, nullptr},
    {"TForm3", "DirectoryListBox1", Role::FolderList, {"Label3"}, -1, nullptr},
    {"TForm3", "DriveComboBox1", Role::ComboBox, {}, -1, "Drive"},
    {"TForm4", "ComboBox1", Role::ComboBox, {"Label4"}, -1, nullptr},
    {"TForm4", "ComboBox2", Role::ComboBox, {"Label5"}, -1, nullptr},
    {"TForm4", "ComboBox3", Role::ComboBox, {"Label6"}, -1, nullptr},
    {"TForm4", "ComboBox4", Role::ComboBox, {"Label7"}, -1, nullptr},
    {"TForm4", "ComboBox5", Role::ComboBox, {"Label9"}, -1, nullptr},
    {"TForm4", "ComboBox6", Role::ComboBox, {"Label10", "Label11"}, -1, nullptr},
    {"TForm4", "ComboBox7", Role::ComboBox, {"Label12"}, -1, nullptr},
    {"TForm4", "ComboBox8", Role::ComboBox, {"Label13"}, -1, nullptr},
    {"TForm4", "DirectoryListBox1", Role::FolderList, {"Label3"}, -1, nullptr},
    {"TForm4", "DriveComboBox1", Role::ComboBox, {}, -1, "Drive"},
};

// The text a control shows; empty for one no member took (yet).
std::string shownText(const Form &form, const std::string &name)
{
    try {
        const Control &control = form.control(name);
        // Each member took a control of its layout's kind.
        switch (form.layout().control(name).kind) {
        case ControlKind::Label:
            return static_cast<const Label &>(control).text();
        case ControlKind::Button:
        case ControlKind::BitBtn:
            return static_cast<const Button &>(control).text();
        default:
            break;
        }
    } catch (const core::LayoutError &) {
    }
    return {};
}

std::string languageLine(int n, const char *fallback)
{
    try {
        if (Form1)
            return Form1->ListBox1.line(n);
    } catch (const core::Error &) {
    }
    return fallback;
}

Role roleOfKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return Role::Text;
    case ControlKind::Button:
    case ControlKind::BitBtn:
        return Role::Button;
    case ControlKind::ComboBox:
    case ControlKind::DriveComboBox:
        return Role::ComboBox;
    case ControlKind::DirectoryListBox:
        return Role::FolderList;
    case ControlKind::Image:
    case ControlKind::Bevel:
        break;
    }
    return Role::None;
}

} // namespace

Spoken spokenAs(const Form &form, const std::string &control)
{
    for (const NamedBy &entry : kNames) {
        if (form.layout().name != entry.form || control != entry.control)
            continue;
        Spoken spoken{entry.role, {}, entry.role == Role::Link || entry.role == Role::Button};
        for (const char *label : entry.labels)
            spoken.name += (spoken.name.empty() ? "" : " ") + shownText(form, label);
        if (entry.languageLine >= 0)
            spoken.name = languageLine(entry.languageLine, entry.fallback);
        else if (entry.labels.size() == 0)
            spoken.name = entry.fallback ? entry.fallback : shownText(form, control);
        return spoken;
    }
    const Role role = roleOfKind(form.layout().control(control).kind);
    return {role, role == Role::None ? std::string() : shownText(form, control), role == Role::Button};
}

} // namespace ui
