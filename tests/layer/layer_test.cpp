// The layer's shared half, over the stand-in runtime: the rules every
// runtime gets from it, with no window system at all.
#include "stand_in_runtime.h"

#include "error_box.h"
#include "folders.h"
#include "layer/combo_box.h"
#include "layer/drive_combo_box.h"
#include "layer/folder_list.h"
#include "layer/label.h"
#include "layer/runtime.h"

#include <gtest/gtest.h>

#include <stdexcept>

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
