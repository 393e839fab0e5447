#include "console_command.h"

#include "code_page.h"
#include "command_line.h"

#include <cstdio>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
namespace {

bool usable(HANDLE handle)
{
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A windowed program gets no standard handles when started from cmd or
// PowerShell: it writes to the console of the program that started it.
// Output sent to a file or a pipe goes there instead.
HANDLE outputHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (usable(handle))
        return handle;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return INVALID_HANDLE_VALUE; // no console to attach to (started from Explorer)
    return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

// Texts are in the ANSI code page; a console shows them in its own (OEM)
// one, so it is given the characters rather than the bytes. False when the
// text could not be written.
bool put(const std::string &text, HANDLE handle)
{
    if (text.empty())
        return true;
    DWORD mode = 0;
    DWORD done = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = core::wideFromSystem(text);
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr) &&
               done == wide.size();
    }
    return handle != INVALID_HANDLE_VALUE &&
           WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr) && done == text.size();
}

} // namespace
#endif

bool startedFromConsole()
{
#ifdef _WIN32
    for (const DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
        if (usable(GetStdHandle(which)))
            return true;
    // Attached here, it is the console the command line then writes to.
    return AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED;
#else
    return isatty(STDIN_FILENO) || isatty(STDOUT_FILENO) || isatty(STDERR_FILENO);
#endif
}

int runConsoleCommand(int argc, char **argv)
{
    const core::CommandResult result = core::runCommandLine({argv + 1, argv + argc});
#ifdef _WIN32
    const HANDLE out = outputHandle(STD_OUTPUT_HANDLE), err = outputHandle(STD_ERROR_HANDLE);
    const bool written = put(result.out, out);
    put(result.err, err);
    if (written)
        return result.status;
    put("dravomel: cannot write the output\n", err);
    return 1;
#else
    return core::printCommandResult(result, stdout, stderr);
#endif
}
