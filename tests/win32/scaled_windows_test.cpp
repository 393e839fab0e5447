// The windows on a screen of more than 96 DPI, scaled as a whole.
// scripts/test-windows.sh runs these at a system DPI of 96, 144 and 192
// (DRAVOMEL_TEST_DPI says which); each run also tells a window of monitors of
// every DPI, as Windows does when the window moves.
#include "windows_fixture.h"

#include <algorithm>
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

SIZE clientSize(const ui::Form &form)
{
    RECT client;
    GetClientRect(handle(form), &client);
    return {client.right, client.bottom};
}

// The client as its window draws it, top row first.
std::vector<DWORD> drawnClient(const ui::Form &form)
{
    const SIZE size = clientSize(form);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageA(handle(form), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<DWORD *>(bits), static_cast<DWORD *>(bits) + size.cx * size.cy);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The CPS3 window at `screen`: its size, a control's place, the strip's last
// row, the shape at its four corners.
void expectSettingsWindowAt(const Screen &screen)
{
    SCOPED_TRACE(screen.dpi);
    const SIZE size = clientSize(*Form3);
    EXPECT_TRUE(size.cx == screen.settings.cx && size.cy == screen.settings.cy) << size.cx << "x" << size.cy;
    RECT button;
    GetWindowRect(handle(Form3->Button2), &button);
    MapWindowPoints(nullptr, handle(*Form3), reinterpret_cast<POINT *>(&button), 2);
    EXPECT_TRUE(EqualRect(&button, &screen.button2)) << button.left << "," << button.top;
    for (const int y : {screen.strip - 1, screen.strip}) {
        POINT at{size.cx - 1, y};
        ClientToScreen(handle(*Form3), &at);
        EXPECT_EQ(SendMessageA(handle(*Form3), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == HTCAPTION,
                  y < screen.strip);
    }
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(handle(*Form3), shape), COMPLEXREGION);
    for (const int y : {0, static_cast<int>(size.cy) - 1})
        for (const int x : {screen.corner - 1, static_cast<int>(size.cx) - screen.corner})
            EXPECT_TRUE(!PtInRegion(shape, x, y) && PtInRegion(shape, x + (x < 100 ? 1 : -1), y)) << x << "," << y;
    DeleteObject(shape);
}

} // namespace

TEST_F(WindowsRun, AtTheSystemDpiEveryWindowIsScaledAsAWhole)
{
    const int dpi = std::getenv("DRAVOMEL_TEST_DPI") ? std::atoi(std::getenv("DRAVOMEL_TEST_DPI")) : 96;
    const Screen *screen = std::find_if(std::begin(kScreens), std::end(kScreens), [&](auto &s) { return s.dpi == dpi; });
    ASSERT_NE(screen, std::end(kScreens)) << "no expectations for " << dpi << " DPI";
    start();
    ASSERT_EQ(Form1->dpi(), dpi) << "the system does not run at the DPI this run is for";
    for (const auto &[form, size] : {std::pair<ui::Form *, SIZE>{Form1, screen->main}, {Form2, screen->picker},
                                     {Form3, screen->settings}, {Form4, screen->settings}})
        EXPECT_TRUE(clientSize(*form).cx == size.cx && clientSize(*form).cy == size.cy) << form->layout().name;
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
    for (const Screen &screen : kScreens) {  // 96 first
        RECT suggested{100, 50, 100 + screen.settings.cx, 50 + screen.settings.cy}, placed;  // no frame
        SendMessageA(handle(*Form3), WM_DPICHANGED, MAKEWPARAM(screen.dpi, screen.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(handle(*Form3), &placed);
        EXPECT_TRUE(EqualRect(&placed, &suggested)) << screen.dpi;
        expectSettingsWindowAt(screen);
        // The bottom rows hold only art: each pixel is the 96-DPI pixel under it,
        // unmixed, so no drawn pixel takes the key's lime and the corners stay exact.
        const std::vector<DWORD> drawn = drawnClient(*Form3);
        at96 = screen.dpi == 96 ? drawn : at96;
        const core::ScreenScale scale(screen.dpi);
        long mixed = 0;
        for (int y = scale.length(460); y < screen.settings.cy; ++y)
            for (int x = 0; x < screen.settings.cx; ++x)
                mixed += drawn[static_cast<std::size_t>(y * screen.settings.cx + x)]
                         != at96[static_cast<std::size_t>(scale.sourcePixel(y) * 517 + scale.sourcePixel(x))];
        EXPECT_EQ(mixed, 0) << screen.dpi;
    }
}
