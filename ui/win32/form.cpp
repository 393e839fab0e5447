// A window of the layer on Win32: one native window that draws its
// background and graphic controls itself and hosts the windowed controls.
#include "art.h"
#include "handler_guard.h"
#include "layer/application.h"
#include "impl.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace ui {

namespace {

// The work waiting for a window's first frame runs at this timer: the frame
// reaches the screen while the thread waits for it (under Wine, drawn windows
// are sent to the display only then).
constexpr UINT_PTR kFirstFrameTimer = 1;
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

std::vector<Form::Impl *> &formsAlive()
{
    static std::vector<Form::Impl *> forms;
    return forms;
}

LRESULT CALLBACK formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *made = static_cast<Form::Impl *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
        made->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto *impl = reinterpret_cast<Form::Impl *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return impl ? impl->handle(message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

void registerFormClass()
{
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = formProc;
        windowClass.hInstance = win32::instance();
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconA(win32::instance(), "MAINICON");
        windowClass.lpszClassName = win32::kFormClass;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

HitTest toHitTest(LRESULT answer)
{
    return answer == HTCLIENT ? HitTest::Client : answer == HTCAPTION ? HitTest::Caption : HitTest::Other;
}

} // namespace

Form::Impl::Impl(Form &owner, const core::FormLayout &formLayout)
    : form(owner), base(formLayout), scale(win32::dpiOf(nullptr)), layout(scale.form(formLayout))
{
    registerFormClass();
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    if (layout.skinned) {
        static const HBRUSH lime = CreateSolidBrush(RGB(0, 255, 0));
        faceBrush = lime;
        if (layout.opacity < 255)
            exStyle |= WS_EX_LAYERED;
    } else {
        // A fixed-size dialog: title bar and close box, no sizing, no maximise.
        style |= WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_DLGMODALFRAME;
        faceBrush = GetSysColorBrush(COLOR_BTNFACE);
    }
    const SIZE frame = win32::frameSize(layout.clientWidth, layout.clientHeight, style, exStyle, scale.dpi());
    CreateWindowExA(exStyle, win32::kFormClass, win32::fromLayoutText(layout.caption).c_str(), style, 0, 0,
                    frame.cx, frame.cy, win32::applicationWindow(), nullptr, win32::instance(), this);
    if (!hwnd)
        throw core::Error("cannot make the window " + layout.name);
    // Made at the system's DPI; its monitor may have another.
    if (win32::dpiOf(hwnd) != scale.dpi())
        rescale(win32::dpiOf(hwnd), nullptr);
    if (exStyle & WS_EX_LAYERED)
        SetLayeredWindowAttributes(hwnd, 0, static_cast<BYTE>(layout.opacity), LWA_ALPHA);

    for (const core::ControlLayout &control : layout.controls)
        controls.push_back(makeControl(*this, control));
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->create(kFirstControlId + static_cast<int>(i));
    // Tab moves through the windowed controls in their stacking order.
    HWND previous = HWND_TOP;
    for (const std::string &name : layout.tabOrder) {
        Control::Impl *control = controlNamed(name);
        if (!control->hwnd)
            continue;
        SetWindowLongPtrA(control->hwnd, GWL_STYLE, GetWindowLongPtrA(control->hwnd, GWL_STYLE) | WS_TABSTOP);
        SetWindowPos(control->hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->hwnd;
    }
    formsAlive().push_back(this);
}

Form::Impl::~Impl()
{
    formsAlive().erase(std::find(formsAlive().begin(), formsAlive().end(), this));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

Control::Impl *Form::Impl::controlNamed(const std::string &name) const
{
    for (const auto &control : controls)
        if (control->layout.name == name)
            return control.get();
    throw core::LayoutError(layout.name + " has no control " + name);
}

Control::Impl *Form::Impl::controlWithId(int id) const
{
    const int index = id - kFirstControlId;
    return index >= 0 && index < static_cast<int>(controls.size()) ? controls[static_cast<std::size_t>(index)].get()
                                                                   : nullptr;
}

Control::Impl *Form::Impl::mouseTargetAt(POINT point) const
{
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if ((*it)->isGraphic() && (*it)->takesMouse() && PtInRect(&(*it)->bounds, point))
            return it->get();
    return nullptr;
}

void Form::Impl::setTip(const Control::Impl &control, const std::string &text)
{
    if (!tips && text.empty())
        return;
    if (!tips) {
        // The common controls are loaded when a first tooltip is needed: most
        // runs need none, and a start-up without them is quicker.
        static const bool loaded = [] {
            using Init = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
            const auto init = win32::fromLibrary<Init>("comctl32.dll", "InitCommonControlsEx");
            const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
            return init && init(&classes);
        }();
        (void)loaded;
        tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                               win32::instance(), nullptr);
    }
    // The size every version of the common controls knows.
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(&control);
    tool.rect = control.bounds;
    tool.lpszText = const_cast<char *>(text.c_str());
    SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty())
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::Impl::paint(HDC dc) const
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, faceBrush);
    for (const auto &control : controls)
        if (control->isGraphic())
            control->paint(dc);
}

void Form::Impl::show()
{
    if (IsWindowVisible(hwnd))
        return;  // already shown: not raised, not moved
    lastFocus = nullptr;  // each showing starts at the first control of the tab order
    if (!shownBefore) {
        shownBefore = true;
        RECT frame;
        GetWindowRect(hwnd, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        shape();
    }
    ShowWindow(hwnd, SW_SHOW);
}

void Form::Impl::shape()
{
    if (!layout.skinned)
        return;
    const core::ControlLayout &art = layout.control(layout.background);
    if (const win32::Picture *picture = win32::controlPicture(art, scale))
        SetWindowRgn(hwnd, win32::drawnRegion(*picture, art.bounds.left, art.bounds.top), IsWindowVisible(hwnd));
}

void Form::Impl::rescale(int dpi, const RECT *suggested)
{
    scale = core::ScreenScale(dpi);
    const core::FormLayout scaled = scale.form(base);
    layout.clientWidth = scaled.clientWidth;
    layout.clientHeight = scaled.clientHeight;
    layout.font = scaled.font;
    for (std::size_t i = 0; i < layout.controls.size(); ++i)
        layout.controls[i] = scaled.controls[i];
    for (const auto &control : controls)
        control->rescale();
    if (suggested) {
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
        const SIZE frame = win32::frameSize(layout.clientWidth, layout.clientHeight, style, exStyle, dpi);
        SetWindowPos(hwnd, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (shownBefore)
        shape();
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT Form::Impl::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        // Drawn off screen first, so the art never flickers.
        const HDC buffer = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ previous = SelectObject(buffer, bitmap);
        paint(buffer);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, previous);
        DeleteObject(bitmap);
        DeleteDC(buffer);
        EndPaint(hwnd, &ps);
        if (!paintedBefore) {
            paintedBefore = true;
            SetTimer(hwnd, kFirstFrameTimer, USER_TIMER_MINIMUM, nullptr);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wParam != kFirstFrameTimer)
            break;
        KillTimer(hwnd, kFirstFrameTimer);
        win32::runFirstFrameWork(this);
        return 0;
    case WM_NCHITTEST: {
        const LRESULT answer = DefWindowProcA(hwnd, message, wParam, lParam);
        if (!form.onHitTest)
            return answer;
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &point);
        HitTest chosen = toHitTest(answer);
        runGuarded([&] { chosen = form.onHitTest(point.x, point.y, chosen); });
        if (chosen == toHitTest(answer))
            return answer;
        return chosen == HitTest::Caption ? HTCAPTION : chosen == HitTest::Client ? HTCLIENT : answer;
    }
    case WM_NCMOUSEMOVE:
        // The drag strip answers "caption": over a text in it the mouse moves
        // outside the client area, where the tooltip does not look itself.
        if (tips) {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(hwnd, &point);
            MSG move{hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), static_cast<DWORD>(GetMessageTime()), {}};
            GetCursorPos(&move.pt);
            SendMessageA(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
        }
        break;
    case WM_LBUTTONDOWN: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        pressed = mouseTargetAt(point);
        if (pressed && pressed->enabled)
            SetCapture(hwnd);
        else
            pressed = nullptr;
        return 0;
    }
    case WM_LBUTTONUP: {
        Control::Impl *target = pressed;
        pressed = nullptr;
        if (GetCapture() == hwnd)
            ReleaseCapture();
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (target && target->enabled && PtInRect(&target->bounds, point))
            target->click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed = nullptr;
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(hwnd, &point);
            const Control::Impl *target = mouseTargetAt(point);
            SetCursor(LoadCursor(nullptr, target && target->layout.handCursor ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        if (lParam) {
            if (Control::Impl *control = controlWithId(LOWORD(wParam)))
                control->command(HIWORD(wParam));
        } else if (LOWORD(wParam) == IDOK) {
            // Enter, from the dialog keys: it presses the button that has
            // the focus, and nothing else.
            const HWND focus = GetFocus();
            char className[16] = "";
            GetClassNameA(focus, className, sizeof className);
            if (focus && GetParent(focus) == hwnd && lstrcmpiA(className, "Button") == 0)
                SendMessageA(focus, BM_CLICK, 0, 0);
        }
        return 0;
    case WM_DRAWITEM:
        if (Control::Impl *control = controlWithId(static_cast<int>(wParam)))
            control->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                lastFocus = focus;
        } else {
            // Back to the control that had the focus, or the first in tab order.
            HWND target = lastFocus && IsChild(hwnd, lastFocus) ? lastFocus : GetNextDlgTabItem(hwnd, nullptr, FALSE);
            SetFocus(target ? target : hwnd);
        }
        return 0;
    case WM_GETOBJECT:
        return answerAccessibility(wParam, lParam);
    case WM_DPICHANGED:
        // Moved to a monitor of another DPI, or the user changed it.
        rescale(HIWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_CLOSE:
        form.close();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

Form::Impl *runtime::makeForm(Form &form)
{
    return new Form::Impl(form, form.layout());
}

void runtime::destroyForm(Form::Impl *form)
{
    delete form;
}

void runtime::showForm(Form &form)
{
    form.impl().show();
}

void runtime::hideForm(Form::Impl &form)
{
    ShowWindow(form.hwnd, SW_HIDE);
}

bool runtime::isFormVisible(const Form::Impl &form)
{
    return IsWindowVisible(form.hwnd) != FALSE;
}

void runtime::setFormCaption(Form::Impl &form, const std::string &text)
{
    SetWindowTextA(form.hwnd, text.c_str());
}

std::string runtime::formCaption(const Form::Impl &form)
{
    return win32::windowText(form.hwnd);
}

int runtime::formClientWidth(const Form::Impl &form)
{
    RECT client;
    GetClientRect(form.hwnd, &client);
    return client.right;
}

int runtime::formDpi(const Form::Impl &form)
{
    return form.scale.dpi();
}

} // namespace ui

void win32::runFirstFrameWork(const ui::Form::Impl *only)
{
    // The work may make forms, which join the list: each form's work is
    // taken out before it runs.
    for (std::size_t i = 0; i < ui::formsAlive().size(); ++i) {
        ui::Form::Impl *form = ui::formsAlive()[i];
        if (only && form != only)
            continue;
        std::vector<std::function<void()>> work = std::move(form->afterFirstFrame);
        form->afterFirstFrame.clear();
        for (const auto &step : work)
            step();
    }
}

void ui::runtime::afterFirstFrame(Form &form, std::function<void()> work)
{
    form.impl().afterFirstFrame.push_back(std::move(work));
    if (form.impl().paintedBefore)
        SetTimer(form.impl().hwnd, kFirstFrameTimer, USER_TIMER_MINIMUM, nullptr);
}
