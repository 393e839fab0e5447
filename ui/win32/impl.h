#pragma once
// The Win32 side of the component layer, shared by the files of ui/win32/.
// A window is one native window; pictures, labels and bevels are drawn by
// the window itself, over its background, as graphic controls without a
// window of their own; buttons, drop-downs and the folder list are native
// child windows above them.
#include "layer/runtime.h"
#include "screen_scale.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct Form::Impl {
    Impl(Form &form, const core::FormLayout &layout);
    ~Impl();

    Control::Impl *controlNamed(const std::string &name) const;
    Control::Impl *controlWithId(int id) const;
    // The topmost graphic control at a client point that takes the mouse.
    Control::Impl *mouseTargetAt(POINT point) const;
    void paint(HDC dc) const;
    void show();
    // The window's shape, from its background art at the current scale.
    void shape();
    // The window, every control and the shape at a new DPI; the window then
    // takes the place Windows suggests, when it gives one.
    void rescale(int dpi, const RECT *suggested);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // The tooltip over a control's place; an empty text removes it.
    void setTip(const Control::Impl &control, const std::string &text);
    // WM_GETOBJECT: what a screen reader sees of the client area.
    LRESULT answerAccessibility(WPARAM wParam, LPARAM lParam);

    Form &form;
    const core::FormLayout &base;  // at 96 DPI
    core::ScreenScale scale;
    // The layout at the window's scale; each control reads its own entry,
    // which a new scale replaces in place.
    core::FormLayout layout;
    HWND hwnd = nullptr;
    HBRUSH faceBrush = nullptr;  // not owned
    std::vector<std::unique_ptr<Control::Impl>> controls;  // layout order, bottom first
    Control::Impl *pressed = nullptr;  // a graphic control that took a left press
    HWND lastFocus = nullptr;
    HWND tips = nullptr;  // made when a first control needs a tooltip
    bool shownBefore = false;
    bool paintedBefore = false;
    std::vector<std::function<void()>> afterFirstFrame;
};

struct Control::Impl {
    Impl(Form::Impl &form, const core::ControlLayout &layout);
    virtual ~Impl();

    // Windowed controls make their native child here.
    virtual void create(int id) { (void)id; }
    // Takes the place and font of its layout again, after a change of scale.
    virtual void rescale();
    // A drop-down's open list, below its place.
    virtual int droppedHeight() const { return 0; }
    virtual void setEnabled(bool on);
    // Graphic controls: drawn by the window, in layout order.
    virtual void paint(HDC dc) const { (void)dc; }
    virtual bool takesMouse() const { return false; }
    virtual void click() {}
    // Windowed controls: a notification (WM_COMMAND code) or an owner draw.
    virtual void command(WORD code) { (void)code; }
    virtual void drawItem(const DRAWITEMSTRUCT &item) { (void)item; }

    bool isGraphic() const { return hwnd == nullptr; }
    void invalidate() const;

    Form::Impl &form;
    const core::ControlLayout &layout;
    Control *member = nullptr;  // the window's member that took this control
    RECT bounds{};              // client coordinates
    HWND hwnd = nullptr;
    bool enabled = true;
};

// Makes the runtime's side of a control of the layout.
std::unique_ptr<Control::Impl> makeControl(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeLabel(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeImage(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeBevel(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeButton(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeComboBox(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeDriveComboBox(Form::Impl &form, const core::ControlLayout &layout);
std::unique_ptr<Control::Impl> makeDirectoryListBox(Form::Impl &form, const core::ControlLayout &layout);

// The native drop-downs' shared parts: the open list's height below the box
// (at 96 DPI), the closed box fitted to a height, the selected entry.
inline constexpr int kComboListHeight = 160;
void fitComboHeight(HWND combo, int height);
int comboSelected(HWND combo);

// A native child control of `form` in the place of `layout`, in its font.
HWND makeChild(Form::Impl &form, const core::ControlLayout &layout, int id, const char *windowClass,
               DWORD style, DWORD exStyle = 0, int extraHeight = 0);

RECT toRect(const core::Rect &r);

} // namespace ui

namespace win32 {

// The application's title and its hidden owner of every window, which gives
// the program its one task-bar button.
const std::string &applicationTitle();
HWND applicationWindow();
HINSTANCE instance();

// One message of the event loop, as the loop hands it on.
void dispatch(MSG &message);

// Runs the work waiting for a form's first frame: that form's (after it
// painted), or every form's (before the first key or mouse press).
void runFirstFrameWork(const ui::Form::Impl *only = nullptr);

// The DPI of the monitor a window is on (Windows 10 1607 and later), or
// else the system's, which Windows 7 and 8 apply to every monitor.
int dpiOf(HWND hwnd);
// The window size that gives a client of that size, with that frame, at that DPI.
SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// Tahoma (or what the system gives for it) at a character height in pixels;
// made once, kept for the run.
HFONT font(const core::Font &font);
// A text of the layouts (UTF-8) in the system code page, for the "A" functions.
std::string fromLayoutText(const std::string &utf8);

// A window's text, as bytes.
std::string windowText(HWND hwnd);

// Window class names.
inline constexpr const char *kFormClass = "DravomelForm";

inline bool isFormWindow(HWND hwnd)
{
    char name[32] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpA(name, kFormClass) == 0;
}

// A function of a system library, loaded when first asked for: most runs
// never need it, and start-up is quicker without it. Null when missing.
template <typename Function>
Function fromLibrary(const char *library, const char *name)
{
    const HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name))) : nullptr;
}

} // namespace win32
