#pragma once
// The program's command line: write an emulator's configuration or check a
// language file, without any window. It needs no display; the files it
// reads and writes are its only side effects.
#include <cstdio>
#include <string>
#include <vector>

namespace core {

struct CommandResult {
    // 0 done; 1 the file could not be written, or the language file is
    // incomplete; 2 bad input (unknown option, value out of range, missing
    // folder or file), and nothing was written.
    int status = 0;
    std::string out; // for standard output
    std::string err; // for standard error, one line
};

// Whether the program started with `args` (the arguments after its name) is a
// command-line run rather than a start of the windows. The command line takes
// a first argument that is one of its own words (a command, --help,
// --version), and from a console or terminal any argument, so that a typo in
// a script still fails. Other arguments, given by a desktop (a file dropped
// on the program, "Open with", a shortcut), are ignored: the windows open.
bool isCommandLineRun(const std::vector<std::string> &args, bool fromConsole);

// `args` are the arguments after the program's name.
CommandResult runCommandLine(const std::vector<std::string> &args);

// Prints `result` to `out` and `err` and gives the exit status: the result's
// own, or 1 with a line on `err` when `out` cannot be written (a full disk, a
// closed pipe).
int printCommandResult(const CommandResult &result, std::FILE *out, std::FILE *err);

} // namespace core
