#include "console_command.h"

#include "command_line.h"
#include "console_output.h"

#include <cstdio>

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
