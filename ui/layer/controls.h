#pragma once
// The controls of the component layer (see form.h). Each is a member of its
// window, named as in the window's layout, and takes the control the window
// made from the layout; its kind must be the layout's. Texts are bytes.
#include "form.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Control {
public:
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const std::string &name() const { return name_; }
    Form &form() const { return form_; }

    // A disabled control is drawn greyed and ignores the user.
    void setEnabled(bool on);
    bool isEnabled() const;

    // The runtime's side of the control, defined in ui/qt/ or ui/win32/.
    struct Impl;
    Impl &impl() const { return *impl_; }

protected:
    // Throws core::LayoutError when the layout has no control `name` of
    // `kind`, or another member already took it.
    Control(Form &form, const char *name, core::ControlKind kind);
    ~Control();

private:
    Form &form_;
    std::string name_;
    bool enabled_;
    Impl *impl_ = nullptr;
};

class Label : public Control {
public:
    Label(Form &form, const char *name) : Control(form, name, core::ControlKind::Label) {}

    void setText(const std::string &text);
    std::string text() const;

    // A left press and release over the label.
    std::function<void()> onClick;
};

// A push button, or (BitBtn) a button with a picture above its text.
class Button : public Control {
public:
    Button(Form &form, const char *name) : Control(form, name, core::ControlKind::Button) {}

    void setText(const std::string &text);
    std::string text() const;

    // Pressed by the user; never while disabled.
    std::function<void()> onClick;

protected:
    Button(Form &form, const char *name, core::ControlKind kind) : Control(form, name, kind) {}
};

class BitBtn : public Button {
public:
    BitBtn(Form &form, const char *name) : Button(form, name, core::ControlKind::BitBtn) {}
};

// A picture area: draws its picture, if it has one, and catches clicks
// either way.
class Image : public Control {
public:
    Image(Form &form, const char *name) : Control(form, name, core::ControlKind::Image) {}

    std::function<void()> onClick;
};

// An editable drop-down whose selected-entry number is -1 when no entry is
// selected, also as soon as the user's text is no entry. The list never
// gains or loses entries.
class ComboBox : public Control {
public:
    ComboBox(Form &form, const char *name) : Control(form, name, core::ControlKind::ComboBox) {}

    // Replaces entry n's text in place; throws core::ListIndexError if there
    // is no entry n.
    void setItem(int n, const std::string &text);
    int itemIndex() const;
    // Selects entry n without firing onChange; -1 removes the selection and
    // empties the shown text.
    void setItemIndex(int n);
    // The shown text: the selected entry's, or what the user typed.
    std::string text() const;

    // The user chose an entry or edited the text; never for setItemIndex.
    std::function<void()> onChange;
};

// The folder tree list: the drive's root, the folders down to the current
// one, then the current folder's subfolders. A single click only
// highlights; a double click (or Enter) opens a folder, making it current.
class DirectoryListBox : public Control {
public:
    DirectoryListBox(Form &form, const char *name)
        : Control(form, name, core::ControlKind::DirectoryListBox)
    {
    }

    // Full path, as the file system spells it. Starts at the working folder.
    std::string directory() const;
    void setDirectory(const std::string &folder);
    // Moves to the folder last current on that drive, or to its root.
    void setDrive(const std::string &driveRoot);

    // Any mouse button pressed in the list; for a double click, after the
    // open it makes.
    std::function<void()> onMouseDown;
};

// The drive drop-down: the drives by their root paths, starting at the drive
// of the working folder.
class DriveComboBox : public Control {
public:
    DriveComboBox(Form &form, const char *name) : Control(form, name, core::ControlKind::DriveComboBox) {}

    // Root path of the selected drive.
    std::string drive() const;
    // Selects without firing onChange; a drive not listed changes nothing.
    void setDrive(const std::string &driveRoot);
    // Lists these drives instead, keeping the selected one where it is
    // still listed.
    void setDrives(const std::vector<std::string> &drives);

    // The user chose another drive.
    std::function<void()> onChange;
};

// A lowered frame or line; nothing to do but be there.
class Bevel : public Control {
public:
    Bevel(Form &form, const char *name) : Control(form, name, core::ControlKind::Bevel) {}
};

} // namespace ui
