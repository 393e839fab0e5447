#pragma once
// The one step of replacing a file on Windows that tests stand in for: making
// the temporary file beside the target. A folder that takes no new file is
// hard to make in a test (an administrator, or Wine run as root, may write
// anywhere), so a test makes this step refuse as such a folder does.
#include <string>

namespace core {

// Makes a new, empty file in `folder` and gives its name; false, with
// GetLastError() telling why, when the folder takes none.
using MakeTemporaryFile = bool (*)(const std::string &folder, std::string &name);

// Sets the step (nullptr: the real one); returns the one it replaces.
MakeTemporaryFile setMakeTemporaryFile(MakeTemporaryFile step);

} // namespace core
