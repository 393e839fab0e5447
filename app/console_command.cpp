#include "console_command.h"

#include "command_line.h"
#include "console_output.h"

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
    const bool written = writeOutput(result.out);
    writeError(result.err);
    if (written)
        return result.status;
    writeError("dravomel: cannot write the output\n");
    return 1;
#else
    return core::printCommandResult(result, stdout, stderr);
#endif
}
