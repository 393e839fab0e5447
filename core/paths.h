#pragma once
// Files inside a folder are named by plain concatenation: folder, separator,
// name. Nothing is checked or normalised, so an empty folder gives "/name".
#include <filesystem>
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

// A path of the program's texts as std::filesystem takes it, and back. On
// Windows the texts are in the system code page, but std::filesystem reads a
// narrow string as Latin-1 and gives one back in UTF-8: "Jeux vidéo" would
// come back as another folder. Elsewhere both are the bytes unchanged.
std::filesystem::path toPath(const std::string &text);
std::string fromPath(const std::filesystem::path &path);

#ifdef _WIN32
// A path Windows gives in UTF-16, in the system code page. Where a character
// has no place in the code page (an account named with a "Ł" on a Western
// one), the path's short form is taken, which the "A" functions can open.
std::string systemPathFromWide(const std::wstring &path);
#endif

} // namespace core
