#include "paths.h"

#include <filesystem>

namespace core {

std::string absoluteFolder(const std::string &folder)
{
    namespace fs = std::filesystem;
    fs::path path(folder);
    if (path.is_relative())
        path = (fs::current_path() / path).lexically_normal();
    std::string text = path.string();
    const std::size_t root = path.root_path().string().size();
    while (text.size() > root && (text.back() == '/' || text.back() == kPathSeparator))
        text.pop_back();
    return text;
}

} // namespace core
