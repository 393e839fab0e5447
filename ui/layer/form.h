#pragma once
// The component layer: what the windows ask of their GUI runtime, with texts
// as bytes. One set of headers, two implementations chosen at link time:
// ui/qt/ (Linux) and ui/win32/ (Windows). Nothing here names either.
//
// A window is a subclass of Form whose controls are members named as in its
// layout (Label10, ComboBox5, ...). The Form constructor makes the window and
// every control of its layout, hidden; each member then takes the control of
// its name. Handlers are plain callables that the runtime runs inside the
// handler guard (handler_guard.h), only for what the user does.
#include "layout.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class Control;

// What a point of a window is to the window system. Other stands for every
// answer the program has no reason to tell apart (a border, nowhere...).
enum class HitTest { Other, Client, Caption };

class Form {
public:
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;
    virtual ~Form();

    // Shows the window, centred on the screen at its first show. A shown
    // window stays where it is in the stack: it is not raised.
    void show();
    void hide();
    bool isVisible() const;
    // Runs onClose inside the guard, then hides the window. Closing the main
    // window (the first one made while no other existed) ends the event
    // loop, even when it is hidden. The system's close command does the same.
    void close();

    void setCaption(const std::string &text);
    std::string caption() const;
    int clientWidth() const;
    // The dots per inch that the window's client coordinates are in: above
    // 96 the runtime has scaled the window as a whole (core/screen_scale.h).
    // 96 where the toolkit scales by itself and hands out 96-DPI pixels (Qt).
    int dpi() const;

    const core::FormLayout &layout() const { return layout_; }
    // The first window made while no other existed; closing it ends the
    // program.
    bool isMainWindow() const { return main_; }
    // The member that took the control `name`; throws core::LayoutError if
    // no member did.
    Control &control(const std::string &name) const;

    // FormClose: the window is closing, for whatever reason.
    std::function<void()> onClose;
    // WMNCHitTest: asked what client point (x, y) is, after the runtime has
    // worked out its own `answer`; returns the answer to use. Where the
    // window system has no such query (Qt), a left press that gets Caption
    // moves the window.
    std::function<HitTest(int x, int y, HitTest answer)> onHitTest;

    // The runtime's side of the window, defined in ui/qt/ or ui/win32/.
    struct Impl;
    Impl &impl() const { return *impl_; }

protected:
    // Makes the window of the built-in layout `layoutName` ("TForm1") and
    // all its controls, hidden.
    explicit Form(const char *layoutName);

private:
    friend class Control;
    const core::FormLayout &layout_;
    bool main_ = false;
    Impl *impl_;
    std::map<std::string, Control *> members_;  // by control name
};

} // namespace ui
