// Starts a Dravomel program as Windows starts it and ends it as Windows
// does, from outside the program.
//   start_program PROGRAM HOW [ARGUMENT...]
// HOW is one of:
//   console   run in a console of this tool's own, as typed in cmd;
//   close     started as from Explorer (no console, no standard handles),
//             then, once its window shows, WM_CLOSE to the window that has
//             the task-bar button, as Task Manager's "End task" and taskkill
//             without /F send it;
//   sysclose  the same, with the task bar's "Close window" (SC_CLOSE);
//   session   the same, with log-off: WM_QUERYENDSESSION, then WM_ENDSESSION,
//             to each of its top-level windows; then the process is ended,
//             as Windows ends it.
// Exit status: the program's own (0 after session when every window agreed
// to end), or 10 and more when this tool failed: bad arguments, no window
// shown, a window refused to end, the program did not end.
#include "win32_impl.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 30000;

struct Found {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK takeWindowOf(HWND hwnd, LPARAM found)
{
    auto &into = *reinterpret_cast<Found *>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == into.process)
        into.windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> topLevelWindows(DWORD process)
{
    Found found{process, {}};
    EnumWindows(takeWindowOf, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

bool showsAForm(DWORD process)
{
    for (const HWND hwnd : topLevelWindows(process))
        if (IsWindowVisible(hwnd) && win32::isFormWindow(hwnd))
            return true;
    return false;
}

// The one the task bar shows a button for: shown, owned by no window.
HWND taskBarWindow(DWORD process)
{
    for (const HWND hwnd : topLevelWindows(process))
        if (IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)
            && !(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            return hwnd;
    return nullptr;
}

int fail(const char *what)
{
    std::fprintf(stderr, "start_program: %s\n", what);
    return 10;
}

// Ends the program as log-off does; false if a window refused.
bool endSession(HANDLE process, DWORD id)
{
    const std::vector<HWND> windows = topLevelWindows(id);
    for (const HWND hwnd : windows) {
        DWORD_PTR agreed = 0;
        if (!SendMessageTimeoutA(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kWaitMs, &agreed) || !agreed)
            return false;
    }
    for (const HWND hwnd : windows)
        SendMessageTimeoutA(hwnd, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kWaitMs, nullptr);
    TerminateProcess(process, 0);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return fail("usage: start_program PROGRAM console|close|sysclose|session [ARGUMENT...]");
    const std::string how = argv[2];
    std::string commandLine = "\"" + std::string(argv[1]) + "\"";
    for (int i = 3; i < argc; ++i)
        commandLine += " \"" + std::string(argv[i]) + "\"";  // no argument here ends in "\"

    // A program started from Explorer finds no console to attach to.
    FreeConsole();
    if (how == "console" && !AllocConsole())
        return fail("cannot make a console");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // none: a windowed program gets none
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return fail("cannot start the program");

    int result = 0;
    if (how != "console") {
        bool shown = false;
        for (DWORD waited = 0; !shown && waited < kWaitMs; waited += 100)
            shown = showsAForm(started.dwProcessId)
                || WaitForSingleObject(started.hProcess, 100) == WAIT_OBJECT_0;
        const HWND taskBar = taskBarWindow(started.dwProcessId);
        if (!showsAForm(started.dwProcessId) || !taskBar)
            result = fail("the program showed no window");
        else if (how == "close")
            PostMessageA(taskBar, WM_CLOSE, 0, 0);
        else if (how == "sysclose")
            PostMessageA(taskBar, WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (how == "session")
            result = endSession(started.hProcess, started.dwProcessId) ? 0 : fail("a window refused to end");
        else
            result = fail("no such way to end it");
    }
    if (WaitForSingleObject(started.hProcess, kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        result = fail("the program did not end");
    }
    DWORD status = 0;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return result ? result : how == "session" ? 0 : static_cast<int>(status);
}
