#include "paths.h"

#ifdef _WIN32
#include "code_page.h"

#include <windows.h>
#endif

namespace core {

#ifdef _WIN32

std::filesystem::path toPath(const std::string &text)
{
    return std::filesystem::path(wideFromSystem(text));
}

std::string fromPath(const std::filesystem::path &path)
{
    return systemFromWide(path.native());
}

std::string systemPathFromWide(const std::wstring &path)
{
    const std::string text = systemFromWide(path);
    if (wideFromSystem(text) == path)
        return text;
    std::wstring shortForm(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
    const DWORD size = GetShortPathNameW(path.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    shortForm.resize(size < shortForm.size() ? size : 0);
    // No short form (a missing path, a volume without short names): the
    // nearest text there is.
    return shortForm.empty() ? text : systemFromWide(shortForm);
}

#else

std::filesystem::path toPath(const std::string &text)
{
    return std::filesystem::path(text);
}

std::string fromPath(const std::filesystem::path &path)
{
    return path.native();
}

#endif

std::string absoluteFolder(const std::string &folder)
{
    namespace fs = std::filesystem;
    fs::path path = toPath(folder);
    if (path.is_relative())
        path = (fs::current_path() / path).lexically_normal();
    std::string text = fromPath(path);
    const std::size_t root = fromPath(path.root_path()).size();
    while (text.size() > root && (text.back() == '/' || text.back() == kPathSeparator))
        text.pop_back();
    return text;
}

} // namespace core
