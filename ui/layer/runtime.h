#pragma once
// A component runtime's whole job. The layer's calls (application.h, form.h,
// controls.h) are defined once, in ui/layer/: they check, normalise, keep
// the state and decide whether an event fires, then call the hooks below.
// A runtime (ui/qt/, ui/win32/) defines every function of ui::runtime and
// nothing else of the layer; a hook it leaves out is a link error. Its
// native widgets may use the shared rules of combo_box.h, drive_combo_box.h,
// folder_list.h and label.h, so that no rule is written twice.
#include "layer/application.h"
#include "layer/controls.h"
#include "handler_guard.h"

#include <functional>
#include <string>
#include <vector>

namespace ui::runtime {

// The application: started before any window, with its title, icon and
// fonts; stopped after the last window is gone.
Application::Impl *startApplication(int &argc, char **argv, const std::string &title);
void stopApplication(Application::Impl *application);
// Runs the event loop until endEventLoop(); returns the program's status.
int runEventLoop();
// Makes runEventLoop() return once the running handler has returned.
void endEventLoop();
// The standard error box, modal, titled with the application's title.
void showErrorBox(const std::string &message);
// See ui::afterFirstFrame.
void afterFirstFrame(Form &form, std::function<void()> work);

// A window of `form.layout()` with every control of it, hidden. The window
// system's own close command calls form.close().
Form::Impl *makeForm(Form &form);
void destroyForm(Form::Impl *form);
// Centred on the screen at the first show; a shown window is not raised.
void showForm(Form &form);
void hideForm(Form::Impl &form);
bool isFormVisible(const Form::Impl &form);
void setFormCaption(Form::Impl &form, const std::string &text);
std::string formCaption(const Form::Impl &form);
int formClientWidth(const Form::Impl &form);
// The screen's dots per inch where the window is (96 where the runtime
// works in pixels of 96 DPI).
int formDpi(const Form::Impl &form);

// The native control the form made for `name`; events of the user's go to
// `member` from now on (none: they go nowhere).
Control::Impl *findControl(Form &form, const std::string &name);
void bindControl(Control::Impl &control, Control *member);
// A disabled control is drawn greyed and ignores the user.
void setControlEnabled(Control::Impl &control, bool on);

void setLabelText(Control::Impl &label, const std::string &text);
std::string labelText(const Control::Impl &label);
void setButtonText(Control::Impl &button, const std::string &text);
std::string buttonText(const Control::Impl &button);

// Drop-down: entry n exists and the selection is a valid entry or -1 when
// these are called. Neither fires the change event.
int comboEntryCount(const Control::Impl &combo);
void setComboEntry(Control::Impl &combo, int n, const std::string &text);  // the selection stays
int comboSelection(const Control::Impl &combo);
void setComboSelection(Control::Impl &combo, int n);  // -1 also empties the shown text
std::string comboText(const Control::Impl &combo);

std::string folderListDirectory(const Control::Impl &list);
void setFolderListDirectory(Control::Impl &list, const std::string &folder);
void setFolderListDrive(Control::Impl &list, const std::string &driveRoot);

std::string selectedDrive(const Control::Impl &drives);
void setSelectedDrive(Control::Impl &drives, const std::string &driveRoot);
void setDriveList(Control::Impl &drives, const std::vector<std::string> &list);

} // namespace ui::runtime

namespace ui {

// What a runtime calls when the system asks the program to end (the task
// bar's close, a log-off, a signal): ui::endPolitely(), in application.h.

// What a runtime calls when the user did something to a control: runs the
// member's handler `event` inside the handler guard, if there is a member
// and it has that handler.
template <typename Member>
void fire(Control *member, std::function<void()> Member::*event)
{
    if (!member)
        return;
    const std::function<void()> &handler = static_cast<Member *>(member)->*event;
    if (handler)
        runGuarded(handler);
}

} // namespace ui
