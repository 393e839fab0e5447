#pragma once
// Files inside a folder are named by plain concatenation: folder, separator,
// name. Nothing is checked or normalised, so an empty folder gives "/name".
#include <string>

namespace core {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

inline std::string inFolder(const std::string &folder, const std::string &name)
{
    return folder + kPathSeparator + name;
}

// `folder` without a separator at its end, and a relative one made absolute
// from the working folder (without "." or ".." steps): the form folders are
// stored and written in.
std::string absoluteFolder(const std::string &folder);

} // namespace core
