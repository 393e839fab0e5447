#pragma once
// The keyboard's way through each window as its user meets it, walked the
// same way by the keyboard tests of both runtimes.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tabs {

inline const std::vector<std::string> kPicker = {"Button1", "BitBtn2", "BitBtn1", "DirectoryListBox1",
                                                 "DriveComboBox1"};
// The height list before the width list.
inline const std::vector<std::string> kCps3 = {"Button1",   "Button2",   "ComboBox1", "ComboBox2",
                                               "ComboBox3", "ComboBox4", "ComboBox6", "ComboBox5",
                                               "DirectoryListBox1", "DriveComboBox1"};
inline const std::vector<std::string> kModel2 = {
    "Button1", "Button2",   "ComboBox1", "ComboBox2",         "ComboBox3",      "ComboBox4", "Button3",  "Button4",
    "Button5", "ComboBox6", "ComboBox5", "DirectoryListBox1", "DriveComboBox1", "ComboBox7", "ComboBox8"};

// Each window walked, the main window's control that opens it, and its tab order.
struct Window {
    const ui::Control &(*opener)();
    ui::Form *(*form)();
    const std::vector<std::string> &order;
};
inline const Window kWindows[] = {
    {[]() -> const ui::Control & { return Form1->Image2; }, [] { return (ui::Form *)Form2; }, kPicker},
    {[]() -> const ui::Control & { return Form1->Label1; }, [] { return (ui::Form *)Form3; }, kCps3},
    {[]() -> const ui::Control & { return Form1->Label3; }, [] { return (ui::Form *)Form4; }, kModel2},
};

enum class Key { Tab, BackTab, Enter, Escape };

inline bool isButton(const std::string &name)
{
    return name.rfind("Button", 0) == 0 || name.rfind("BitBtn", 0) == 0;
}

// The enabled controls of `order`; from now on the form's buttons only tell
// `pressed` of their presses.
inline std::vector<std::string> stopsOf(ui::Form &form, const std::vector<std::string> &order,
                                        std::vector<std::string> &pressed)
{
    std::vector<std::string> stops;
    for (const std::string &name : order) {
        if (form.control(name).isEnabled())
            stops.push_back(name);
        if (isButton(name))
            static_cast<ui::Button &>(form.control(name)).onClick = [&pressed, name] { pressed.push_back(name); };
    }
    return stops;
}

// From the first stop, Tab round the stops and Shift+Tab back, trying
// Escape and Enter at each: only Enter on a button does anything.
inline void walk(const ui::Form &form, const std::vector<std::string> &stops,
                 const std::function<std::string()> &focused, const std::function<void(Key)> &key,
                 std::vector<std::string> &pressed)
{
    for (std::size_t i = 0; i <= stops.size(); ++i) {
        const std::string &stop = stops[i % stops.size()];
        ASSERT_EQ(focused(), stop) << "after " << i << " Tabs";
        key(Key::Escape);
        key(Key::Enter);
        EXPECT_EQ(pressed, isButton(stop) ? std::vector<std::string>{stop} : std::vector<std::string>());
        EXPECT_TRUE(form.isVisible());
        pressed.clear();
        key(Key::Tab);
    }
    for (std::size_t i = stops.size() + 1; i-- > 0;) {
        EXPECT_EQ(focused(), stops[(i + 1) % stops.size()]);
        key(Key::BackTab);
    }
}

} // namespace tabs
