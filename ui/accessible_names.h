#pragma once
// What a screen reader finds in a window, decided once for both runtimes:
// each control's role, the name it is read by, and whether it has an action
// (the action is its click). Drawn pictures without a click and bevels are
// left out: a reader has nothing to say of them. Names are bytes, like every
// text of the windows.
#include "layer/form.h"

#include <string>

namespace ui {

enum class Role {
    None,        // not shown to readers
    Text,        // a drawn text, read as it is
    Link,        // opens something
    Button,      // a press does something here
    ComboBox,
    FolderList,
};

struct Spoken {
    Role role = Role::None;
    std::string name;
    bool acts = false;  // its default action is its click
};

// How the control `control` of `form` is read now: names follow the texts
// the window shows.
Spoken spokenAs(const Form &form, const std::string &control);

} // namespace ui
