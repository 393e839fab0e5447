#pragma once
// A fresh temporary folder per test, removed with everything in it afterwards,
// and the few file helpers the file-writing tests share.
#include "paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#endif

namespace filetest {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path &base = std::filesystem::temp_directory_path())
    {
        std::string pattern = (base / "dravomel-test-XXXXXX").string();
#ifdef _WIN32
        if (_mktemp_s(&pattern[0], pattern.size() + 1) != 0 || _mkdir(pattern.c_str()) != 0)
#else
        if (!::mkdtemp(&pattern[0]))
#endif
            throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    // Names are written with "/"; each platform gets its own separator.
    std::string operator/(const std::string &name) const
    {
        std::string native = name;
        std::replace(native.begin(), native.end(), '/', core::kPathSeparator);
        return core::inFolder(path_, native);
    }

private:
    std::string path_;
};

inline std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

// Names in a folder, sorted, hidden ones included: a leftover temporary file
// shows up here.
inline std::vector<std::string> entries(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace filetest
