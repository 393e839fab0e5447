// A runtime with no windows at all, for testing the layer's shared half: it
// keeps what the hooks are told and counts the ends of the event loop.
#include "stand_in_runtime.h"

#include "layer/runtime.h"


int standIn::loopEnds = 0;

namespace ui::runtime {

Application::Impl *startApplication(int &, char **, const std::string &) { return new Application::Impl; }
void stopApplication(Application::Impl *application) { delete application; }
int runEventLoop() { return 0; }
void endEventLoop() { ++standIn::loopEnds; }
void showErrorBox(const std::string &) {}
void afterFirstFrame(Form &, std::function<void()> work) { work(); }

Form::Impl *makeForm(Form &form)
{
    auto *impl = new Form::Impl;
    for (const core::ControlLayout &layout : form.layout().controls) {
        auto control = std::make_unique<Control::Impl>();
        control->entries = layout.items;
        control->selection = layout.itemIndex;
        impl->controls[layout.name] = std::move(control);
    }
    return impl;
}

void destroyForm(Form::Impl *form) { delete form; }
void showForm(Form &form) { form.impl().visible = true; }
void hideForm(Form::Impl &form) { form.visible = false; }
bool isFormVisible(const Form::Impl &form) { return form.visible; }
void setFormCaption(Form::Impl &form, const std::string &text) { form.caption = text; }
std::string formCaption(const Form::Impl &form) { return form.caption; }
int formClientWidth(const Form::Impl &) { return 0; }
int formDpi(const Form::Impl &) { return 96; }

Control::Impl *findControl(Form &form, const std::string &name) { return form.impl().controls.at(name).get(); }
void bindControl(Control::Impl &control, Control *member) { control.member = member; }
void setControlEnabled(Control::Impl &control, bool on) { control.enabled = on; }

void setLabelText(Control::Impl &label, const std::string &text) { label.text = text; }
std::string labelText(const Control::Impl &label) { return label.text; }
void setButtonText(Control::Impl &button, const std::string &text) { button.text = text; }
std::string buttonText(const Control::Impl &button) { return button.text; }

int comboEntryCount(const Control::Impl &combo) { return static_cast<int>(combo.entries.size()); }
void setComboEntry(Control::Impl &combo, int n, const std::string &text) { combo.entries.at(n) = text; }
int comboSelection(const Control::Impl &combo) { return combo.selection; }
void setComboSelection(Control::Impl &combo, int n) { combo.selection = n; }
std::string comboText(const Control::Impl &combo)
{
    return combo.selection >= 0 ? combo.entries.at(combo.selection) : std::string();
}

std::string folderListDirectory(const Control::Impl &list) { return list.folder; }
void setFolderListDirectory(Control::Impl &list, const std::string &folder) { list.folder = folder; }
void setFolderListDrive(Control::Impl &list, const std::string &driveRoot) { list.drive = driveRoot; }

std::string selectedDrive(const Control::Impl &drives) { return drives.drive; }
void setSelectedDrive(Control::Impl &drives, const std::string &driveRoot) { drives.drive = driveRoot; }
void setDriveList(Control::Impl &drives, const std::vector<std::string> &list) { drives.drives = list; }

} // namespace ui::runtime
