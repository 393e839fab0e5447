// The layer's shared half over a stand-in runtime with no window system at
// all: its side of each window and control keeps what the hooks told it.
#include "error_box.h"
#include "folders.h"
#include "layer/combo_box.h"
#include "layer/drive_combo_box.h"
#include "layer/folder_list.h"
#include "layer/label.h"
#include "layer/runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>

struct ui::Application::Impl {};

struct ui::Control::Impl {
    Control *member = nullptr;
    bool enabled = true;
    std::string text;
    std::vector<std::string> entries;
    int selection = -1;
    std::string folder, drive;
    std::vector<std::string> drives;
};

struct ui::Form::Impl {
    bool visible = false;
    std::string caption;
    std::map<std::string, std::unique_ptr<Control::Impl>> controls;
};

namespace standIn {
int loopEnds = 0;  // how often the layer ended the event loop
}

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

namespace {

// A window of the program's own layouts; the first made is the main one.
struct Settings : ui::Form {
    Settings() : Form("TForm3") {}
    ui::Label Label2{*this, "Label2"};
    ui::ComboBox ComboBox5{*this, "ComboBox5"};
};

struct LayerTest : ::testing::Test {
    LayerTest() { setErrorSink([this](const std::string &message) { errors.push_back(message); }); }
    ~LayerTest() override { setErrorSink(nullptr); }
    std::vector<std::string> errors;
};

TEST_F(LayerTest, OnlyTheMainWindowsCloseEndsTheLoopEvenWhenItsHandlerFails)
{
    Settings main, other;
    EXPECT_TRUE(main.isMainWindow());
    EXPECT_FALSE(other.isMainWindow());
    struct Case {
        Settings &window;
        bool handlerFails;
        int loopEnds;
    } cases[] = {{other, false, 0}, {other, true, 0}, {main, false, 1}, {main, true, 1}};
    for (const Case &c : cases) {
        standIn::loopEnds = 0;
        errors.clear();
        c.window.onClose = [&] {
            if (c.handlerFails)
                throw std::runtime_error("cannot store");
        };
        c.window.show();
        c.window.close();
        EXPECT_FALSE(c.window.isVisible());
        EXPECT_EQ(standIn::loopEnds, c.loopEnds);
        EXPECT_EQ(errors.size(), c.handlerFails ? 1u : 0u);
    }
    // The user's doing reaches a member's handler inside the guard, and
    // nothing once the member is gone.
    int clicks = 0;
    main.Label2.onClick = [&] { ++clicks; };
    ui::fire(main.Label2.impl().member, &ui::Label::onClick);
    ui::fire(nullptr, &ui::Label::onClick);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LayerTest, ADropDownSelectsAnEntryOrNoneAndChecksTheEntryItRenames)
{
    Settings window;
    ui::Control::Impl &native = window.ComboBox5.impl();
    for (const auto &[asked, selected] : std::vector<std::pair<int, int>>{{4, 4}, {5, -1}, {7, -1}, {0, 0}, {-3, -1}}) {
        window.ComboBox5.setItemIndex(asked);
        EXPECT_EQ(native.selection, selected) << "asked for entry " << asked << " of 5";
    }
    window.ComboBox5.setItem(4, "1600");
    EXPECT_EQ(native.entries[4], "1600");
    EXPECT_THROW(window.ComboBox5.setItem(5, "x"), core::ListIndexError);
    EXPECT_THROW(window.ComboBox5.setItem(-1, "x"), core::ListIndexError);

    const std::vector<std::string> sizes = {"640", "800", "1024"};
    const auto entry = [&](int n) { return sizes[static_cast<std::size_t>(n)]; };
    for (const auto &[typed, match] : std::vector<std::pair<std::string, int>>{{"800", 1}, {"80", -1}, {"", -1}})
        EXPECT_EQ(ui::combo::entryOfText(typed, 3, entry), match) << typed;
}

TEST(SharedRules, DrivesLabelsAndFolderOpens)
{
    // The drive list keeps its choice while listed and reports only another drive.
    const std::string here = core::driveOf(core::workingFolder(), core::listDrives());
    const std::string other = here + "other";
    ui::DriveChoice drives({here, other});
    EXPECT_EQ(drives.drive(), here);
    EXPECT_FALSE(drives.userPicked(0));
    EXPECT_FALSE(drives.userPicked(2));
    EXPECT_TRUE(drives.userPicked(1));
    drives.setDrives({"/gone", other});
    EXPECT_EQ(drives.chosen(), 1);
    drives.setDrives({here, "/gone"});
    EXPECT_EQ(drives.drive(), here);
    drives.setDrives({});
    EXPECT_EQ(drives.drive(), core::driveOf(core::workingFolder(), {}));

    // A label takes its text's size up to its widest; a wider text is shortened.
    core::ControlLayout fixed;
    fixed.bounds = {56, 8, 449, 19};
    core::ControlLayout capped = fixed;
    capped.autoSize = true;
    capped.maxWidth = 300;
    for (const auto &[layout, textWidth, width, shortened] :
         std::vector<std::tuple<core::ControlLayout, int, int, bool>>{
             {fixed, 500, 449, true}, {capped, 200, 200, false}, {capped, 301, 300, true}}) {
        const ui::LabelFit fit = ui::fitLabel(layout, textWidth, 13);
        EXPECT_EQ(fit.width, width);
        EXPECT_EQ(fit.shortened, shortened) << textWidth;
    }

    // An open takes effect before its press; a row below the last only presses.
    const core::FolderTree tree;
    std::vector<std::string> done;
    const auto open = [&](int row) { done.push_back("open " + std::to_string(row)); };
    const auto press = [&] { done.push_back("press"); };
    ui::folder_list::userOpens(tree, 0, open, press);
    ui::folder_list::userOpens(tree, tree.rowCount(), open, press);
    ui::folder_list::userOpens(tree, 0, open, nullptr);  // Enter: no press
    EXPECT_EQ(done, (std::vector<std::string>{"open 0", "press", "press", "open 0"}));
}

} // namespace
