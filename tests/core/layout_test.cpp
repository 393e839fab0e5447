#include "caption_table.h"
#include "layout.h"

#include <gtest/gtest.h>

using core::ControlKind;

// Every text the caption table sends to a window lands on a control of that
// window that can show it, so check-language describes what is shown.
TEST(Layouts, EveryCaptionNamesAControlOfItsWindowThatShowsText)
{
    for (const core::WindowCaptions &window : core::captionTable()) {
        const core::FormLayout &layout = core::formLayout(window.layout);
        for (const core::Caption &c : window.captions) {
            SCOPED_TRACE(std::string(window.layout) + " " + c.control);
            if (c.kind == core::Caption::WindowCaption)
                continue;
            const core::ControlLayout &control = layout.control(c.control);
            if (c.kind == core::Caption::Entries) {
                EXPECT_EQ(control.kind, ControlKind::ComboBox);
                EXPECT_EQ(control.items.size(), 2u);
            } else {
                EXPECT_TRUE(control.kind == ControlKind::Label || control.kind == ControlKind::Button);
            }
        }
    }
}

TEST(Layouts, ReadKindsPlacesTextsAndLists)
{
    const core::FormLayout form = core::parseLayout(
        "# a comment\r\n"
        "form TForm9 300x200 skinned=Image1 opacity=240 caption=\"Quote \\\" and \\\\ \"\r\n"
        "Label  Title  4,-2 auto text=\"two  words\" size=19 bold colour=0,0,255 hand maxwidth=370\n"
        "ComboBox List 10,20 145x21 items=\"640\",\"8,00\",\"\" index=1 disabled\n"
        "tabs List\n");
    EXPECT_EQ(form.name, "TForm9");
    EXPECT_EQ(form.caption, "Quote \" and \\ ");
    EXPECT_TRUE(form.skinned);
    EXPECT_EQ(form.background, "Image1");
    EXPECT_EQ(form.opacity, 240);
    const core::ControlLayout &title = form.control("Title");
    EXPECT_EQ(title.kind, ControlKind::Label);
    EXPECT_EQ(title.text, "two  words");
    EXPECT_EQ(title.bounds.top, -2);
    EXPECT_TRUE(title.autoSize && title.font.bold && title.handCursor);
    EXPECT_EQ(title.maxWidth, 370);
    EXPECT_EQ(title.font.pixelSize, 19);
    EXPECT_EQ(title.colour.blue, 255);
    const core::ControlLayout &list = form.control("List");
    EXPECT_EQ(list.items, (std::vector<std::string>{"640", "8,00", ""}));
    EXPECT_EQ(list.itemIndex, 1);
    EXPECT_EQ(list.bounds.width, 145);
    EXPECT_FALSE(list.enabled);
    EXPECT_EQ(list.font.pixelSize, 11);
    EXPECT_EQ(form.tabOrder, std::vector<std::string>{"List"});
    EXPECT_THROW(form.control("Other"), core::LayoutError);
}

TEST(Layouts, AFaultyLineIsNamed)
{
    for (const char *faulty : {"Label A 1,2 auto", "form F 10x10\nWidget A 1,2 3x4", "form F 10x10\nLabel A 1,2 3y4",
                               "form F 10x10\nLabel A 1 auto", "form F 10x10\nLabel A 1,2 auto text=\"open",
                               "form F 10x10\nLabel A 1,2 auto shiny", "form F 10x10\nLabel A 1,x auto"}) {
        SCOPED_TRACE(faulty);
        try {
            core::parseLayout(faulty);
            ADD_FAILURE() << "read without complaint";
        } catch (const core::LayoutError &e) {
            EXPECT_NE(std::string(e.what()).find(faulty[0] == 'L' ? "line 1" : "line 2"), std::string::npos)
                << e.what();
        }
    }
}
