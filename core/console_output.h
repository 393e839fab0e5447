#pragma once
// The programs' one way to their console: texts are in the system code page
// (bytes, on Linux), and a Windows console is given their characters, so
// that "vidéo" shows as typed whatever the console's own code page.

#include <string>

// Writes `text` to standard output or standard error: a Windows program with
// no handles of its own (a windowed one started from cmd) writes to the
// console it was started from. False when it could not be written.
bool writeOutput(const std::string &text);
bool writeError(const std::string &text);
