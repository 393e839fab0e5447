// The DPI the windows are drawn at. The functions of newer Windows are
// looked up when first asked for, so the program still starts on Windows 7.
#include "impl.h"

namespace win32 {

namespace {

int systemDpi()
{
    static const int dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int found = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return found > 0 ? found : core::kBaseDpi;
    }();
    return dpi;
}

} // namespace

int dpiOf(HWND hwnd)
{
    using GetDpi = UINT(WINAPI *)(HWND);
    static const GetDpi getDpi = fromLibrary<GetDpi>("user32.dll", "GetDpiForWindow");
    const UINT dpi = getDpi && hwnd ? getDpi(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi)
{
    using Adjust = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const Adjust adjustForDpi = fromLibrary<Adjust>("user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace win32
