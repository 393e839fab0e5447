// Starts a Dravomel program as Windows starts it and ends it as Windows does,
// from outside.   start_program PROGRAM HOW [ARGUMENT...]
//   console   run in a console of this tool's own, as typed in cmd;
//   close     started as from Explorer (no console, no standard handles),
//             then, once its window shows, WM_CLOSE to its task-bar window,
//             as Task Manager's "End task" and taskkill without /F send it;
//   sysclose  the same with the task bar's "Close window" (SC_CLOSE);
//   session   the same with log-off: WM_QUERYENDSESSION, then WM_ENDSESSION,
//             to each of its top-level windows, then the process is ended.
// Exit status: the program's (0 after session when every window agreed), or
// 10 when this tool failed (no window shown, a refusal, no end).
#include "impl.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 30000;

using Found = std::pair<DWORD, std::vector<HWND>>;  // a process, its windows

BOOL CALLBACK takeWindowOf(HWND hwnd, LPARAM into)
{
    auto &found = *reinterpret_cast<Found *>(into);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == found.first)
        found.second.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> topLevelWindows(DWORD process)
{
    Found found{process, {}};
    EnumWindows(takeWindowOf, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

// The one with the task-bar button: shown, owned by no window; null until a
// form of the program shows.
HWND taskBarWindow(DWORD process)
{
    HWND taskBar = nullptr, form = nullptr;
    for (const HWND hwnd : topLevelWindows(process)) {
        if (!IsWindowVisible(hwnd))
            continue;
        if (win32::isFormWindow(hwnd))
            form = hwnd;
        else if (!GetWindow(hwnd, GW_OWNER) && !(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            taskBar = hwnd;
    }
    return form ? taskBar : nullptr;
}

int fail(const char *what)
{
    std::fprintf(stderr, "start_program: %s\n", what);
    return 10;
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

    FreeConsole();  // one started from Explorer finds no console to attach to
    if (how == "console" && !AllocConsole())
        return fail("cannot make a console");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // none, as a windowed program gets
    PROCESS_INFORMATION run{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &run))
        return fail("cannot start the program");

    int result = 0;
    if (how != "console") {
        HWND taskBar = nullptr;
        for (DWORD waited = 0; !taskBar && waited < kWaitMs; waited += 100)
            if (!(taskBar = taskBarWindow(run.dwProcessId)) && WaitForSingleObject(run.hProcess, 100) == WAIT_OBJECT_0)
                break;
        if (!taskBar)
            result = fail("the program showed no window");
        else if (how == "close")
            PostMessageA(taskBar, WM_CLOSE, 0, 0);
        else if (how == "sysclose")
            PostMessageA(taskBar, WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (how == "session") {
            const std::vector<HWND> windows = topLevelWindows(run.dwProcessId);
            for (const HWND hwnd : windows) {
                DWORD_PTR agreed = 0;
                if (!SendMessageTimeoutA(hwnd, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kWaitMs, &agreed) || !agreed)
                    result = fail("a window refused to end the session");
            }
            for (const HWND hwnd : windows)
                if (!result)
                    SendMessageTimeoutA(hwnd, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kWaitMs, nullptr);
            TerminateProcess(run.hProcess, result);
        } else
            result = fail("no such way to end it");
    }
    if (WaitForSingleObject(run.hProcess, kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(run.hProcess, 1);
        result = fail("the program did not end");
    }
    DWORD status = 0;
    GetExitCodeProcess(run.hProcess, &status);
    return result ? result : static_cast<int>(status);
}
