#include "paths.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace core {

#ifdef _WIN32

std::filesystem::path toPath(const std::string &text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return std::filesystem::path(wide);
}

std::string fromPath(const std::filesystem::path &path)
{
    const std::wstring &wide = path.native();
    const int size = static_cast<int>(wide.size());
    std::string text(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr,
                                                              nullptr)),
                     '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
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
