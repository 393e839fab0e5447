// The Win32 runtime as a whole: the art decoded from the start, the hidden
// application window that owns every window (so the program has one task-bar
// button, under its title, and is the one the system asks to end), the event
// loop and the error box.
#include "art.h"
#include "impl.h"

namespace win32 {

namespace {

constexpr const char *kApplicationClass = "DravomelApplication";
constexpr UINT kActivateFormMessage = WM_APP + 2;

std::string &title()
{
    static std::string text = "Dravomel";
    return text;
}

HWND &ownerWindow()
{
    static HWND window = nullptr;
    return window;
}

LRESULT CALLBACK applicationProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        // Activated from the task bar, or when the active window hid: a
        // shown window of the program takes the activation.
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageA(hwnd, kActivateFormMessage, 0, 0);
        return 0;
    case kActivateFormMessage:
        if (GetActiveWindow() == hwnd)
            if (const HWND shown = GetWindow(hwnd, GW_ENABLEDPOPUP))
                SetActiveWindow(shown);
        return 0;
    case WM_CLOSE:
        // The task bar's close (its SC_CLOSE comes here through the default
        // handling), Task Manager's "End task", taskkill without /F.
        ui::endPolitely();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;  // nothing to ask the user; the session may be cancelled yet
    case WM_ENDSESSION:
        // Windows may end the process as soon as this returns: the folders
        // are stored before.
        if (wParam)
            ui::endPolitely();
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const std::string &applicationTitle()
{
    return title();
}

HWND applicationWindow()
{
    return ownerWindow();
}

HINSTANCE instance()
{
    return GetModuleHandleA(nullptr);
}

void dispatch(MSG &message)
{
    // Only a press counts: the pointer resting on the new window, or the
    // release of the key that started the program, must not take the first
    // frame's place.
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
        runFirstFrameWork();
        break;
    default:
        break;
    }
    // Tab, the arrows and Enter move between and press the controls.
    const HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && isFormWindow(window) && IsDialogMessageA(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace win32

namespace ui {

struct Application::Impl {
};

Application::Impl *runtime::startApplication(int &, char **, const std::string &title)
{
    win32::title() = title;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = win32::applicationProc;
    windowClass.hInstance = win32::instance();
    windowClass.hIcon = LoadIconA(win32::instance(), "MAINICON");
    windowClass.lpszClassName = win32::kApplicationClass;
    RegisterClassExA(&windowClass);
    // Shown but of no size: the task bar lists it, the screen shows nothing.
    win32::ownerWindow() = CreateWindowExA(0, win32::kApplicationClass, title.c_str(),
                                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                           GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                                           0, nullptr, nullptr, win32::instance(), nullptr);
    ShowWindow(win32::ownerWindow(), SW_SHOWNOACTIVATE);
    return new Application::Impl;
}

void runtime::stopApplication(Application::Impl *application)
{
    delete application;
    DestroyWindow(win32::ownerWindow());
    win32::ownerWindow() = nullptr;
}

int runtime::runEventLoop()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        win32::dispatch(message);
    return static_cast<int>(message.wParam);
}

void runtime::endEventLoop()
{
    PostQuitMessage(0);
}

} // namespace ui
