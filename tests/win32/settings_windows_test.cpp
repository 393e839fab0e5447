// The settings windows on Windows: the linked resolution lists, the three
// filtering modes, and an error shown once in the error box.
#include "windows_fixture.h"

using namespace wintest;

TEST_F(WindowsRun, ChoosingOrTypingInOneResolutionListSetsTheOther)
{
    start();
    click(Form1->Label1);
    ASSERT_TRUE(Form3->isVisible());
    choose(Form3->ComboBox5, 2);
    EXPECT_EQ(Form3->ComboBox6.text(), "768");
    choose(Form3->ComboBox6, 4);
    EXPECT_EQ(Form3->ComboBox5.text(), "1280");
    type(Form3->ComboBox5, "999");
    EXPECT_EQ(Form3->ComboBox5.itemIndex(), -1);
    EXPECT_EQ(Form3->ComboBox6.itemIndex(), -1);
    EXPECT_EQ(Form3->ComboBox6.text(), "");
    type(Form3->ComboBox5, "800");
    EXPECT_EQ(Form3->ComboBox6.text(), "600");
    type(Form3->ComboBox5, "80");  // the start of an entry is none
    EXPECT_EQ(Form3->ComboBox5.itemIndex(), -1);
    EXPECT_EQ(Form3->ComboBox6.text(), "");
    press(Form3->Button2);
    const std::string written = filetest::readBytes(cps3 + "\\EMULATOR.INI");
    EXPECT_NE(written.find("\r\nFullScreenWidth=80\r\nFullScreenHeight=\r\n"), std::string::npos);
}

TEST_F(WindowsRun, EachFilteringModeButtonSetsTheModeAndTheTileMapChoice)
{
    start();
    click(Form1->Image5);
    ASSERT_TRUE(Form4->isVisible());
    choose(Form4->ComboBox5, 1);
    const struct {
        ui::Button *button;
        bool noneOn, bilinearOn, trilinearOn, tileMapsOn;
    } steps[] = {
        {&Form4->Button3, false, true, true, false},
        {&Form4->Button4, true, false, true, true},
        {&Form4->Button5, true, true, false, false},
    };
    for (const auto &step : steps) {
        press(*step.button);
        EXPECT_EQ(Form4->Button3.isEnabled(), step.noneOn) << step.button->name();
        EXPECT_EQ(Form4->Button4.isEnabled(), step.bilinearOn) << step.button->name();
        EXPECT_EQ(Form4->Button5.isEnabled(), step.trilinearOn) << step.button->name();
        EXPECT_EQ(IsWindowEnabled(handle(Form4->ComboBox5)) != FALSE, step.tileMapsOn) << step.button->name();
        EXPECT_EQ(Form4->Label9.isEnabled(), step.tileMapsOn) << step.button->name();
        EXPECT_EQ(Form4->ComboBox5.itemIndex(), 0) << step.button->name();
    }
    press(Form4->Button2);
    const std::string written = filetest::readBytes(model2 + "\\EMULATOR.INI");
    for (const char *line : {"\r\nBilinear=0\r\n", "\r\nTrilinear=1\r\n", "\r\nFilterTilemaps=0\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

namespace {

// What each error box said, closed as soon as it shows.
std::vector<std::string> boxes;

void CALLBACK closeErrorBox(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND box = FindWindowA("#32770", "Dravomel");
    if (!box)
        return;
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0));
    boxes.push_back(std::string(text) + (icon == LoadIcon(nullptr, IDI_ERROR) ? " [error icon]" : ""));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

} // namespace

// The real error box: one, titled "Dravomel", with the error icon; the window
// stays open and the program goes on.
TEST_F(WindowsRun, AFailedSaveShowsOneErrorBoxAndTheWindowStaysOpen)
{
    start();
    setErrorSink(nullptr);
    click(Form1->Label3);
    RemoveDirectoryA(model2.c_str());  // the file cannot be made

    boxes.clear();
    const UINT_PTR closer = SetTimer(nullptr, 0, 100, closeErrorBox);
    press(Form4->Button2);
    KillTimer(nullptr, closer);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(model2 + "\\EMULATOR.INI"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("[error icon]"), std::string::npos) << boxes[0];
    EXPECT_TRUE(Form4->isVisible());
    press(Form4->Button1);
    EXPECT_TRUE(ended());
}
