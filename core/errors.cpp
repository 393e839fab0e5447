#include "errors.h"

namespace core {

FileOpenError::FileOpenError(const std::string &path)
    : Error("Cannot open file \"" + path + "\"."), path_(path) {}

FileCreateError::FileCreateError(const std::string &path, const std::string &reason)
    : Error("Cannot create file \"" + path + "\": " + reason + "."), path_(path) {}

WriteError::WriteError(const std::string &path, const std::string &reason)
    : Error("Error writing file \"" + path + "\": " + reason + "."), path_(path) {}

ListIndexError::ListIndexError(long index)
    : Error("List index out of bounds (" + std::to_string(index) + ")."), index_(index) {}

} // namespace core
