// The main window and the folder picker on Windows: the skin, the drag
// strip, and a typical run from start to the stored folders.
#include "config_goldens.h"
#include "drag_strip.h"
#include "windows_fixture.h"

#include <oleacc.h>

#include <map>

using namespace wintest;

TEST_F(WindowsRun, MainWindowIsCentredShapedTranslucentAndDrawnInTahomaWithinItsPlaces)
{
    start();
    RECT frame;
    GetWindowRect(handle(*Form1), &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 512) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 322) / 2);
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(handle(*Form1), shape), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));  // a cut-out corner
    EXPECT_TRUE(PtInRegion(shape, 20, 0));
    EXPECT_TRUE(PtInRegion(shape, 256, 160));
    DeleteObject(shape);
    // Each skin is cut out at its four corners and nowhere else.
    const struct {
        ui::Form *form;
        int width, height, cutOut;
    } skins[] = {{Form1, 512, 322, 288}, {Form3, 517, 480, 444}, {Form4, 517, 480, 444}};
    for (const auto &skin : skins) {
        skin.form->show();
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_EQ(GetWindowRgn(handle(*skin.form), region), COMPLEXREGION);
        std::vector<char> data(GetRegionData(region, 0, nullptr));
        GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA *>(data.data()));
        const auto *runs = reinterpret_cast<const RECT *>(data.data() + sizeof(RGNDATAHEADER));
        int drawn = 0;
        for (DWORD n = 0; n < reinterpret_cast<const RGNDATAHEADER *>(data.data())->nCount; ++n)
            drawn += (runs[n].right - runs[n].left) * (runs[n].bottom - runs[n].top);
        EXPECT_EQ(skin.width * skin.height - drawn, skin.cutOut) << skin.form->layout().name;
        for (const POINT corner : {POINT{0, 0}, {skin.width - 1, 0}, {0, skin.height - 1},
                                   {skin.width - 1, skin.height - 1}})
            EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << skin.form->layout().name << corner.x;
        DeleteObject(region);
    }
    BYTE opacity = 0;
    DWORD how = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(handle(*Form1), nullptr, &opacity, &how));
    EXPECT_EQ(opacity, 240);
    EXPECT_EQ(how, static_cast<DWORD>(LWA_ALPHA));

    // The link is drawn in blue on the art, in Tahoma.
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, 512, 322);
    SelectObject(memory, picture);
    SendMessageA(handle(*Form1), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const RECT &link = Form1->Label1.impl().bounds;
    int blue = 0;
    for (int y = link.top; y < link.bottom; ++y)
        for (int x = link.left; x < link.right; ++x)
            blue += GetPixel(memory, x, y) == RGB(0, 0, 255);
    EXPECT_GT(blue, 20) << "the link text is not drawn";
    char face[LF_FACESIZE] = "";
    SelectObject(memory, win32::font(Form1->layout().control("Label1").font));
    GetTextFaceA(memory, sizeof face, face);
    EXPECT_STREQ(face, "Tahoma");
    DeleteDC(memory);
    DeleteObject(picture);
    ReleaseDC(nullptr, screen);
    // A long folder stops before the folder and close symbols; the tooltip shows it whole.
    const std::string folder = "C:\\" + std::string(70, 'W');  // a tip gives back 80 bytes at most
    Form1->Label6.setText(folder);
    const RECT &place = Form1->Label6.impl().bounds;
    EXPECT_EQ(place.right - place.left, Form1->layout().control("Label6").maxWidth);
    EXPECT_EQ(tip(Form1->Label6), folder);
}

// The program folder lies in the drag strip, where the mouse is over the
// caption, not the client area: its tooltip still shows the folder whole.
TEST_F(WindowsRun, ProgramFolderCutInTheStripShowsWholeInItsTooltipUnderTheMouse)
{
    start();
    Form1->Label10.setText("C:\\users\\Administrateur\\AppData\\Local\\Programs\\Dravomel\\fr");
    const RECT &label = Form1->Label10.impl().bounds;
    POINT over{label.left + 40, (label.top + label.bottom) / 2};
    ClientToScreen(handle(*Form1), &over);
    SetCursorPos(over.x, over.y);
    INPUT move{INPUT_MOUSE, {}};
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof move);
    const HWND tips = Form1->impl().tips;
    for (int wait = 0; wait < 300 && !IsWindowVisible(tips); ++wait)
        pump(), Sleep(10);
    EXPECT_TRUE(IsWindowVisible(tips));  // once its own timer fired
}

TEST_F(WindowsRun, TheStripDragsTheWindowAndAControlBelowItDoesNot)
{
    start();
    const struct {
        POINT from;
        bool moves;
    } presses[] = {
        {{300, 3}, true},
        {{60, kDragStripHeight - 1}, true},  // on the title label, in the strip
        {{120, 75}, false},                  // on a text below the strip
        {{300, 150}, false},                 // on the art below the strip
    };
    for (const auto &press : presses) {
        const POINT moved = drag(*Form1, press.from, 40, 30);
        EXPECT_EQ(moved.x, press.moves ? 40 : 0) << press.from.x << "," << press.from.y;
        EXPECT_EQ(moved.y, press.moves ? 30 : 0) << press.from.x << "," << press.from.y;
    }
}

TEST_F(WindowsRun, APressOnTheEmblemReleasedAwayFromItOpensNothing)
{
    start();
    const RECT &emblem = Form1->Image4.impl().bounds;
    PostMessageA(handle(*Form1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(emblem.left + 4, emblem.top + 4));
    post(handle(*Form1), WM_LBUTTONUP, 0, MAKELPARAM(emblem.right + 4, emblem.top + 4));
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form1->isVisible());
}

// Picker assigns both folders, the CPS3 window opens with its presets, one
// choice changes, a ROM folder is opened in its folder list, save.
TEST_F(WindowsRun, ATypicalRunWritesTheFileTheLinuxProgramWritesAndStoresBothFolders)
{
    CreateDirectoryA((scratch / "emulators").c_str(), nullptr);
    const std::string newCps3 = scratch / "emulators/cps3", newModel2 = scratch / "emulators/model2";
    for (const std::string &folder : {newCps3, newModel2, newCps3 + "\\games"})
        CreateDirectoryA(folder.c_str(), nullptr);
    for (int n = 0; n < 40; ++n)  // so that the list scrolls down to "model2"
        CreateDirectoryA((scratch / "emulators/game" + std::to_string(n)).c_str(), nullptr);
    start();

    click(Form1->Image2);
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->caption(), "line 6");
    EXPECT_EQ(GetFocus(), handle(Form2->Button1));
    const LONG_PTR style = GetWindowLongPtrA(handle(*Form2), GWL_STYLE);
    EXPECT_TRUE((style & WS_CAPTION) && (style & WS_SYSMENU) && !(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)));
    openFolder(Form2->DirectoryListBox1, "emulators");
    openFolder(Form2->DirectoryListBox1, "cps3");
    press(Form2->BitBtn1);
    openFolder(Form2->DirectoryListBox1, "emulators");
    openFolder(Form2->DirectoryListBox1, "model2");
    press(Form2->BitBtn2);
    EXPECT_EQ(Form1->Label6.text(), newCps3);
    EXPECT_EQ(Form1->Label7.text(), newModel2);
    SetWindowPos(handle(*Form2), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    press(Form2->Button1);
    EXPECT_FALSE(Form2->isVisible());
    click(Form1->Image2);  // shown again where it was, at the folder it showed
    RECT frame;
    GetWindowRect(handle(*Form2), &frame);
    EXPECT_EQ(frame.left, 30);
    EXPECT_EQ(frame.top, 40);
    EXPECT_EQ(Form2->DirectoryListBox1.directory(), newModel2);
    press(Form2->Button1);

    click(Form1->Image4);
    ASSERT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form3->Label2.text(), newCps3 + "\\roms");
    choose(Form3->ComboBox1, 1);
    openFolder(Form3->DirectoryListBox1, "emulators");
    openFolder(Form3->DirectoryListBox1, "cps3");
    openFolder(Form3->DirectoryListBox1, "games");
    EXPECT_EQ(Form3->Label2.text(), newCps3 + "\\games");
    EXPECT_EQ(tip(Form3->Label2), newCps3 + "\\games");  // too long for its place
    press(Form3->Button2);

    std::string expected = filetest::expectedCps3File(newCps3 + "\\games");
    expected.replace(expected.find("ForceSync=0"), 11, "ForceSync=1");
    EXPECT_EQ(filetest::readBytes(newCps3 + "\\EMULATOR.INI"), expected);
    EXPECT_TRUE(ended());
    EXPECT_EQ(storedValue("CPS3"), newCps3);
    EXPECT_EQ(storedValue("Model2"), newModel2);
    EXPECT_TRUE(errors.empty());

    // The next start reads them back.
    destroyForms();
    createForms();
    EXPECT_EQ(Form1->Label6.text(), newCps3);
    EXPECT_EQ(Form1->Label7.text(), newModel2);
    EXPECT_EQ(Form1->Label1.text(), "line 2");
}

// A screen reader sees the drawn texts, the links as links, and can follow one.
TEST_F(WindowsRun, AScreenReaderReadsTheDrawnTextsAndFollowsALink)
{
    start();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible *client = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(handle(*Form1), static_cast<DWORD>(OBJID_CLIENT),
                                                        __uuidof(IAccessible), reinterpret_cast<void **>(&client)));
    std::map<std::string, std::pair<VARIANT, LONG>> seen;  // name: child, role
    LONG count = 0;
    ASSERT_HRESULT_SUCCEEDED(client->get_accChildCount(&count));
    for (LONG n = 1; n <= count; ++n) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = n;
        BSTR name = nullptr;
        VARIANT role{};
        if (client->get_accName(child, &name) == S_OK && client->get_accRole(child, &role) == S_OK)
            seen[std::string(name, name + SysStringLen(name))] = {child, role.lVal};
        SysFreeString(name);
    }
    for (const auto &[text, role] : {std::pair<std::string, LONG>{"line 2", ROLE_SYSTEM_LINK},
                                     {"line 4", ROLE_SYSTEM_STATICTEXT}, {"line 5", ROLE_SYSTEM_STATICTEXT}})
        EXPECT_EQ(seen.count(text) ? seen[text].second : -1, role) << text;
    ASSERT_HRESULT_SUCCEEDED(client->accDoDefaultAction(seen["line 2"].first));
    pump();
    EXPECT_TRUE(Form3->isVisible());
    client->Release();
}
