#include "console_output.h"

#include <cstdio>

#ifdef _WIN32
#include "code_page.h"

#include <windows.h>

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

// A console shows texts in its own (OEM) code page, so it is given the
// characters rather than the bytes; a file or a pipe gets the bytes.
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

bool writeOutput(const std::string &text)
{
    static const HANDLE out = outputHandle(STD_OUTPUT_HANDLE);
    return put(text, out);
}

bool writeError(const std::string &text)
{
    static const HANDLE err = outputHandle(STD_ERROR_HANDLE);
    return put(text, err);
}

#else

namespace {

bool put(const std::string &text, std::FILE *stream)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

} // namespace

bool writeOutput(const std::string &text)
{
    return put(text, stdout);
}

bool writeError(const std::string &text)
{
    return put(text, stderr);
}

#endif
