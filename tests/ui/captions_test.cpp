// The windows show the lines the caption table (and so check-language) says.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "caption_table.h"
#include "combo_box.h"
#include "settings_window_fixture.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// What `window` shows where caption `c` goes: "line 12 / line 13" for a
// choice list's two entries.
std::string shown(const ui::Form &window, const core::Caption &c)
{
    if (c.kind == core::Caption::WindowCaption)
        return window.caption();
    QWidget *control = widgetOf(window.control(c.control));
    if (auto *list = qobject_cast<ComboBoxWidget *>(control))
        return toBytes(list->itemText(0) + " / " + list->itemText(1));
    if (auto *label = qobject_cast<QLabel *>(control))
        return toBytes(label->text());
    return toBytes(qobject_cast<QAbstractButton *>(control)->text());
}

std::string expected(const core::Caption &c)
{
    const std::string first = "line " + std::to_string(c.line);
    const std::string second = "line " + std::to_string(c.second);
    return c.kind == core::Caption::Title ? first + second
         : c.kind == core::Caption::Entries ? first + " / " + second : first;
}

} // namespace

using Captions = SettingsWindowTest;

TEST_F(Captions, EachWindowShowsTheLinesOfTheCaptionTable)
{
    // One run per settings window, since opening one ends the other's chance.
    using Opened = ui::Form *(*)();
    const std::pair<ui::Label TForm1::*, Opened> runs[] = {
        {&TForm1::Label1, []() -> ui::Form * { return Form3; }},
        {&TForm1::Label3, []() -> ui::Form * { return Form4; }}};
    for (const auto &[link, opened] : runs) {
        openFromMainWindow(link);
        Form1->Image2Click();
        for (ui::Form *window : {static_cast<ui::Form *>(Form1), static_cast<ui::Form *>(Form2), opened()}) {
            const std::string &layout = window->layout().name;
            for (const core::Caption &c : core::captionsOf(layout))
                EXPECT_EQ(shown(*window, c), expected(c)) << layout << " " << c.control;
        }
        destroyForms();
    }
    EXPECT_TRUE(errors.isEmpty());
}
