#include "console_command.h"

#include "command_line.h"

#include <cstdio>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
bool hasStdHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A windowed program gets no console of its own. Started from cmd or
// PowerShell it writes to theirs; output already sent to a file or a pipe
// stays there.
void useParentConsole()
{
    const bool out = hasStdHandle(STD_OUTPUT_HANDLE);
    const bool err = hasStdHandle(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}
#else
void useParentConsole() {}
#endif

void put(const std::string &text, std::FILE *stream)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

} // namespace

int runConsoleCommand(int argc, char **argv)
{
    useParentConsole();
    const core::CommandResult result = core::runCommandLine({argv + 1, argv + argc});
    put(result.out, stdout);
    put(result.err, stderr);
    return result.status;
}
