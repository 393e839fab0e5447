#pragma once
// A fresh temporary folder per test, removed with everything in it afterwards,
// and the few file helpers the file-writing tests share.
#include "errors.h"
#include "paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
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

#ifndef _WIN32
const uid_t kNobody = 65534;
const gid_t kNoGroup = 65534;

enum class Outcome { Done, FileCreateError, OtherCoreError, OtherError, NotAUser };

// Root may write anything, so tests about a user's rights run `action` in a
// child process that first becomes "nobody" when the tests run as root,
// holding `alsoIn` as its one supplementary group. A child that hangs is
// ended after ten seconds, and the test fails.
inline Outcome asOrdinaryUser(const std::function<void()> &action, gid_t alsoIn = kNoGroup)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        if (::geteuid() == 0
            && (::setgroups(1, &alsoIn) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0))
            ::_exit(static_cast<int>(Outcome::NotAUser));
        Outcome outcome = Outcome::Done;
        try {
            action();
        } catch (const core::FileCreateError &) {
            outcome = Outcome::FileCreateError;
        } catch (const core::Error &) {
            outcome = Outcome::OtherCoreError;
        } catch (...) {
            outcome = Outcome::OtherError;
        }
        ::_exit(static_cast<int>(outcome));
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "the child crashed or hung";
    return WIFEXITED(status) ? static_cast<Outcome>(WEXITSTATUS(status)) : Outcome::OtherError;
}
#endif

} // namespace filetest
