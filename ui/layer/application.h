#pragma once
// The component runtime as a whole: set up once, before any window, and the
// event loop. See form.h.
#include <functional>
#include <memory>
#include <string>

namespace ui {

class Form;

class Application {
public:
    // Starts the runtime, names the program `title` (task bar, task
    // switcher, error boxes) and gives it its icon and fonts. One per
    // process, made before any window.
    Application(int &argc, char **argv, const std::string &title);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Runs the event loop until the main window closes (Form::close).
    int run();

    struct Impl;

private:
    Impl *impl_;
};

// Runs `work` once, soon after `form` has drawn its first frame, or before
// the first key or mouse press reaches any window if that comes sooner; never
// once `form` is gone. Start-up uses it to make the hidden windows after the
// main one is on the screen. A runtime may also run it at once.
void afterFirstFrame(Form &form, std::function<void()> work);

// The system asks the program to end: the task bar's close, Task Manager,
// log-off and shut-down on Windows; SIGTERM, SIGHUP and SIGINT on Linux.
// Each runtime calls it from its event loop, never from a signal handler.
// Defined above the layer, where the windows are.
void endPolitely();

// The runtime's standard error box: modal, with the error icon, titled with
// the application's title, showing `message`; returns when it is closed.
void showErrorBox(const std::string &message);

} // namespace ui
