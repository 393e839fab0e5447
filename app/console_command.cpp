#include "console_command.h"

#include "command_line.h"

#include <cstdio>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
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
// one, so it is given the characters rather than the bytes.
void put(const std::string &text, DWORD which)
{
    if (text.empty())
        return;
    const HANDLE handle = outputHandle(which);
    DWORD mode = 0;
    DWORD done = 0;
    if (GetConsoleMode(handle, &mode)) {
        const int size = static_cast<int>(text.size());
        std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], static_cast<int>(wide.size()));
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else if (handle != INVALID_HANDLE_VALUE) {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    }
}

const DWORD kOut = STD_OUTPUT_HANDLE;
const DWORD kErr = STD_ERROR_HANDLE;
#else
void put(const std::string &text, std::FILE *stream)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

std::FILE *const kOut = stdout;
std::FILE *const kErr = stderr;
#endif

} // namespace

int runConsoleCommand(int argc, char **argv)
{
    const core::CommandResult result = core::runCommandLine({argv + 1, argv + argc});
    put(result.out, kOut);
    put(result.err, kErr);
    return result.status;
}
