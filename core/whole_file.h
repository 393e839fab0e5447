#pragma once
// Reading a small file whole, as the language file and the stored settings
// are read.
#include <string>

namespace core {

enum class ReadResult { Read, Missing, Failed };

// Reads the whole regular file at `path` into `bytes`. Anything else (a
// folder, a named pipe, a device) fails at once: a pipe without a writer
// would block the opening for ever, and a device may never end. Missing
// means there is no file of that name.
ReadResult readWholeFile(const std::string &path, std::string &bytes);

} // namespace core
