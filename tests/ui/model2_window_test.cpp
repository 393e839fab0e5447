#include "Unit4.h"
#include "settings_window_fixture.h"

class Model2Window : public SettingsWindowTest {
protected:
    void open(int languageLines = 50) { openFromMainWindow(&TForm1::Label3, languageLines); }

    // The filtering controls as a user sees them, and the template's two
    // filtering lines.
    static std::string filtering()
    {
        const auto on = [](const ui::Control &c) { return c.isEnabled() ? "on" : "off"; };
        return std::string("none ") + on(Form4->Button3) + ", bilinear " + on(Form4->Button4) + ", trilinear "
            + on(Form4->Button5) + ", tile-map filter " + on(Form4->Label9) + "/" + on(Form4->ComboBox5) + " at "
            + std::to_string(Form4->ComboBox5.itemIndex()) + "; " + Form4->ListBox1.line(17) + " "
            + Form4->ListBox1.line(18);
    }
};

TEST_F(Model2Window, OpenedAndSavedAtOnceWritesThePresets)
{
    open();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(toText(Form4->Label1.text()), "line 1line 3");
    std::vector<std::string> expected = core::ConfigTemplate::model2().lines();
    expected[8] = "Dir1=" + model2.toStdString() + "/roms";
    expected[12] = "Geometrizer=1";
    expected[13] = "SoftwareVertexProcessing=1";
    for (const auto &[line, key] : {std::pair{15, "Wireframe"}, {16, "FakeGouraud"}, {19, "FilterTilemaps"},
                                    {20, "ForceManaged"}, {26, "AutoMip"}, {27, "MeshTransparency"}})
        expected[line] = std::string(key) + "=0";
    ASSERT_EQ(expected.size(), 66u);
    saveWithKeys(Form4);
    EXPECT_EQ(written(model2), expected);  // Bilinear=1 and Trilinear=0 as in the template
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_TRUE(errors.isEmpty());
}

// Neighbouring lists write different values, so two lists swapped show.
TEST_F(Model2Window, EachListWritesTheEntryItShows)
{
    open();
    std::vector<std::string> expected = core::ConfigTemplate::model2().lines();
    expected[8] = "Dir1=" + model2.toStdString() + "/roms";
    pick({{Form4->ComboBox1, 24, 12, "Geometrizer=1"},
          {Form4->ComboBox2, 26, 13, "SoftwareVertexProcessing=0"},
          {Form4->ComboBox3, 30, 15, "Wireframe=1"},
          {Form4->ComboBox4, 32, 16, "FakeGouraud=0"},
          {Form4->ComboBox5, 43, 19, "FilterTilemaps=1"},
          {Form4->ComboBox6, 44, 20, "ForceManaged=0"},
          {Form4->ComboBox7, 43, 26, "AutoMip=1"},
          {Form4->ComboBox8, 44, 27, "MeshTransparency=0"}},
         expected);
    click(Form4->Button2);
    EXPECT_EQ(written(model2), expected);
}

TEST_F(Model2Window, FilteringButtonsSetTheModeAtOnce)
{
    open();
    EXPECT_EQ(filtering(), "none on, bilinear off, trilinear on, tile-map filter on/on at 0; Bilinear=1 Trilinear=0");
    choose(Form4->ComboBox5, 1);
    click(Form4->Button3);
    EXPECT_EQ(filtering(), "none off, bilinear on, trilinear on, tile-map filter off/off at 0; Bilinear=0 Trilinear=0");
    click(Form4->Button5);
    EXPECT_EQ(filtering(), "none on, bilinear on, trilinear off, tile-map filter off/off at 0; Bilinear=0 Trilinear=1");
    click(Form4->Button4);
    EXPECT_EQ(filtering(), "none on, bilinear off, trilinear on, tile-map filter on/on at 0; Bilinear=1 Trilinear=0");

    choose(Form4->ComboBox5, 1);
    click(Form4->Button5);
    EXPECT_EQ(saveAndRead(Form4->Button2, model2, {17, 18, 19}), "Bilinear=0 Trilinear=1 FilterTilemaps=0");
}

TEST_F(Model2Window, OpeningStoppedAtTheLastLineStillSaves)
{
    open(49);  // no line 49: stops at the mesh transparency label
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_EQ(toText(Form4->Button2.text()), "line 9");
    EXPECT_EQ(toText(Form4->Label12.text()), "line 48");
    EXPECT_EQ(toText(Form4->Label13.text()), ".");

    EXPECT_EQ(saveAndRead(Form4->Button2, model2, {12, 13, 15, 16, 19, 20, 26, 27}),
              "Geometrizer=-1 SoftwareVertexProcessing=-1 Wireframe=-1 FakeGouraud=-1 FilterTilemaps=-1 "
              "ForceManaged=-1 AutoMip=0 MeshTransparency=0");
}
