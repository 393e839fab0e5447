// The windows on a screen of more than 96 DPI, scaled as a whole.
// scripts/test-windows.sh runs these at a system DPI of 96, 144 and 192
// (DRAVOMEL_TEST_DPI says which); each run also moves a window to monitors of
// the other DPIs, as Windows tells it of one.
#include "config_goldens.h"
#include "windows_fixture.h"

#include <cstdlib>
#include <vector>

using namespace wintest;

namespace {

struct Screen {
    int dpi;
    SIZE main, picker, settings;  // client sizes
    int strip;                    // the drag strip's rows
    RECT button2;                 // the CPS3 window's save button
    int corner;                   // pixels the settings art's outermost row loses at each end
};

const Screen kScreens[] = {
    {96, {512, 322}, {281, 401}, {517, 480}, 28, {351, 432, 426, 457}, 19},
    {144, {768, 483}, {422, 602}, {776, 720}, 42, {527, 648, 639, 686}, 29},
    {192, {1024, 644}, {562, 802}, {1034, 960}, 56, {702, 864, 852, 914}, 38},
};

const Screen *screenAt(int dpi)
{
    for (const Screen &screen : kScreens)
        if (screen.dpi == dpi)
            return &screen;
    return nullptr;
}

int systemDpi()
{
    const char *dpi = std::getenv("DRAVOMEL_TEST_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

SIZE clientSize(const ui::Form &form)
{
    RECT client;
    GetClientRect(handle(form), &client);
    return {client.right, client.bottom};
}

RECT placeOf(const ui::Control &control)
{
    RECT place;
    GetWindowRect(handle(control), &place);
    MapWindowPoints(nullptr, handle(control.form()), reinterpret_cast<POINT *>(&place), 2);
    return place;
}

// The client as its window draws it, top row first.
std::vector<DWORD> drawnClient(const ui::Form &form, const HRGN onlyShape = nullptr)
{
    const SIZE size = clientSize(form);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    if (onlyShape)  // white inside the shape, black outside
        FillRgn(dc, onlyShape, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    else
        SendMessageA(handle(form), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD *>(bits), static_cast<const DWORD *>(bits) + size.cx * size.cy);
    for (DWORD &pixel : pixels)
        pixel &= 0xFFFFFF;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The settings window's shape at its four corners, and no lime inside it.
void expectShapedAtItsCorners(const ui::Form &form, const Screen &screen)
{
    const SIZE size = clientSize(form);
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(handle(form), shape), COMPLEXREGION);
    for (const int y : {0, static_cast<int>(size.cy) - 1}) {
        EXPECT_FALSE(PtInRegion(shape, screen.corner - 1, y)) << y;
        EXPECT_TRUE(PtInRegion(shape, screen.corner, y)) << y;
        EXPECT_FALSE(PtInRegion(shape, size.cx - screen.corner, y)) << y;
        EXPECT_TRUE(PtInRegion(shape, size.cx - screen.corner - 1, y)) << y;
    }
    const std::vector<DWORD> drawn = drawnClient(form), inside = drawnClient(form, shape);
    long lime = 0;  // outside, the emblem may overhang the corner: nobody sees it
    for (std::size_t i = 0; i < drawn.size(); ++i)
        lime += drawn[i] == 0x00FF00 && inside[i] != 0;
    EXPECT_EQ(lime, 0) << "lime pixels inside the shape";
    DeleteObject(shape);
}

// The CPS3 window as it is at `screen`: size, a control, the strip, the shape.
void expectSettingsWindowAt(const Screen &screen)
{
    SCOPED_TRACE(screen.dpi);
    EXPECT_EQ(Form3->dpi(), screen.dpi);
    const SIZE size = clientSize(*Form3);
    EXPECT_EQ(size.cx, screen.settings.cx);
    EXPECT_EQ(size.cy, screen.settings.cy);
    const RECT button = placeOf(Form3->Button2);
    EXPECT_TRUE(EqualRect(&button, &screen.button2))
        << button.left << "," << button.top << "," << button.right << "," << button.bottom;
    POINT inStrip{size.cx - 1, screen.strip - 1}, below{size.cx - 1, screen.strip};
    ClientToScreen(handle(*Form3), &inStrip);
    ClientToScreen(handle(*Form3), &below);
    EXPECT_EQ(SendMessageA(handle(*Form3), WM_NCHITTEST, 0, MAKELPARAM(inStrip.x, inStrip.y)), HTCAPTION);
    EXPECT_NE(SendMessageA(handle(*Form3), WM_NCHITTEST, 0, MAKELPARAM(below.x, below.y)), HTCAPTION);
    expectShapedAtItsCorners(*Form3, screen);
}

} // namespace

TEST_F(WindowsRun, AtTheSystemDpiEveryWindowIsScaledAsAWhole)
{
    const Screen *screen = screenAt(systemDpi());
    ASSERT_TRUE(screen) << "no expectations for " << systemDpi() << " DPI";
    start();
    ASSERT_EQ(Form1->dpi(), screen->dpi) << "the system does not run at the DPI this run is for";
    for (const auto &[form, size] : {std::pair<ui::Form *, SIZE>{Form1, screen->main}, {Form2, screen->picker},
                                     {Form3, screen->settings}, {Form4, screen->settings}}) {
        EXPECT_EQ(clientSize(*form).cx, size.cx) << form->layout().name;
        EXPECT_EQ(clientSize(*form).cy, size.cy) << form->layout().name;
    }
    // A drag at the strip's bottom row moves the main window; one row lower, not.
    EXPECT_EQ(drag(*Form1, {300, screen->strip - 1}, 40, 30).y, 30);
    EXPECT_EQ(drag(*Form1, {300, screen->strip}, 40, 30).y, 0);
    click(Form1->Image4);
    ASSERT_TRUE(Form3->isVisible());
    expectSettingsWindowAt(*screen);
}

TEST_F(WindowsRun, MovedToAMonitorOfAnotherDpiAWindowRescalesIntoThePlaceWindowsSuggests)
{
    start();
    click(Form1->Label1);
    ASSERT_TRUE(Form3->isVisible());
    std::vector<DWORD> at96;
    for (const Screen &screen : kScreens) {
        RECT suggested{100, 50, 100 + screen.settings.cx, 50 + screen.settings.cy};  // no frame
        SendMessageA(handle(*Form3), WM_DPICHANGED, MAKEWPARAM(screen.dpi, screen.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT placed;
        GetWindowRect(handle(*Form3), &placed);
        EXPECT_TRUE(EqualRect(&placed, &suggested)) << screen.dpi;
        expectSettingsWindowAt(screen);
        // The bottom corners hold only art: each pixel is the 96-DPI pixel
        // under it, unmixed.
        const std::vector<DWORD> drawn = drawnClient(*Form3);
        if (screen.dpi == 96)
            at96 = drawn;
        const core::ScreenScale scale(screen.dpi);
        long mixed = 0;
        for (int y = scale.length(460); y < screen.settings.cy; ++y)
            for (const int x0 : {0, scale.length(497)})
                for (int x = x0; x < x0 + scale.length(20); ++x)
                    mixed += drawn[static_cast<std::size_t>(y * screen.settings.cx + x)]
                             != at96[static_cast<std::size_t>(scale.sourcePixel(y) * 517 + scale.sourcePixel(x))];
        EXPECT_EQ(mixed, 0) << screen.dpi;
    }
    // Saved at the last one: the same file as at any other.
    press(Form3->Button2);
    EXPECT_EQ(filetest::readBytes(cps3 + "\\EMULATOR.INI"), filetest::expectedCps3File(cps3 + "\\roms"));
}
