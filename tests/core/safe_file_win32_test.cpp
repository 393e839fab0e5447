// Replacing a file where Windows differs: the root of the current drive, a
// target that another program holds open or that is read-only, attributes,
// and a folder that takes no new file.
#include "config_writer.h"
#include "errors.h"
#include "safe_file.h"
#include "safe_file_win32.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

using filetest::entries;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::writeBytes;

namespace {

// Opens `path` the way an editor or a virus scanner does: reading and writing
// are shared, deleting or replacing it is not.
HANDLE holdOpen(const std::string &path)
{
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
    return h;
}

} // namespace

TEST(ReplaceFileWin32, EmptyEmulatorFolderWritesAtTheRootOfTheCurrentDrive)
{
    // Writing a real drive's root is not for a test to do: it needs a drive
    // of its own, such as one made with "subst" or a Wine drive letter.
    const char *drive = std::getenv("DRAVOMEL_TEST_DRIVE");
    if (!drive || !*drive)
        GTEST_SKIP() << "DRAVOMEL_TEST_DRIVE names no scratch drive (such as T:)";
    const std::string root = std::string(drive) + "\\";
    // An empty root lists as an error: it lacks even "." and "..".
    writeBytes(root + "marker", "");
    std::vector<std::string> expected = entries(root);
    expected.push_back("EMULATOR.INI");
    std::sort(expected.begin(), expected.end());

    char previous[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str())) << root;
    core::ConfigTemplate t = core::ConfigTemplate::cps3();
    core::Cps3Choices c;
    c.romFolder = "\\roms";
    EXPECT_NO_THROW(core::writeCps3Configuration(t, c, ""));
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(entries(root), expected);
    EXPECT_NE(readBytes(root + "EMULATOR.INI").find("\r\nDir1=\\roms\r\n"), std::string::npos);
    DeleteFileA((root + "EMULATOR.INI").c_str());
    DeleteFileA((root + "marker").c_str());
}

TEST(ReplaceFileWin32, TargetHeldOpenForAMomentIsReplacedOnceFree)
{
    ScratchFolder folder;
    writeBytes(folder / "EMULATOR.INI", "old");
    const HANDLE h = holdOpen(folder / "EMULATOR.INI");
    std::thread release([h] {
        Sleep(200);
        CloseHandle(h);
    });
    EXPECT_NO_THROW(core::replaceFile(folder / "EMULATOR.INI", "new"));
    release.join();
    EXPECT_EQ(readBytes(folder / "EMULATOR.INI"), "new");
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});
}

TEST(ReplaceFileWin32, TargetThatCannotBeReplacedStaysAsItWas)
{
    ScratchFolder folder;
    const std::string path = folder / "EMULATOR.INI";
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "held open");
        writeBytes(path, "old");
        HANDLE h = INVALID_HANDLE_VALUE;
        if (readOnly)
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
        else
            h = holdOpen(path);

        try {
            core::replaceFile(path, "new");
            ADD_FAILURE() << "no error raised";
        } catch (const core::FileCreateError &e) {
            EXPECT_EQ(e.path(), path);
        }
        EXPECT_EQ(readBytes(path), "old");
        EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});

        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// A replaced file stays hidden or system. Where the folder takes no new file
// (one the user may only change files in) a writable file is written in
// place; a missing or read-only one there is the file-create error.
TEST(ReplaceFileWin32, KeepsAttributesAndWritesInPlaceWhereTheFolderTakesNoNewFile)
{
    ScratchFolder folder;
    const std::string path = folder / "EMULATOR.INI";
    const DWORD hidden = FILE_ATTRIBUTE_HIDDEN, system = FILE_ATTRIBUTE_SYSTEM, readOnly = FILE_ATTRIBUTE_READONLY;
    const struct {
        bool refusesNewFiles;
        const char *old;
        DWORD attributes;
    } cases[] = {{false, "old", hidden}, {false, "old", system}, {true, "a long old file", 0},
                 {true, "o", hidden | system}, {true, nullptr, 0}, {true, "old", readOnly}};
    const core::MakeTemporaryFile refuse = [](const std::string &, std::string &) {
        return SetLastError(ERROR_ACCESS_DENIED), false;
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        if (c.old)
            writeBytes(path, c.old), SetFileAttributesA(path.c_str(), c.attributes | FILE_ATTRIBUTE_ARCHIVE);
        core::setMakeTemporaryFile(c.refusesNewFiles ? refuse : nullptr);
        const bool writable = c.old && !(c.attributes & readOnly);
        if (writable) {
            EXPECT_NO_THROW(core::replaceFile(path, "new"));
        } else {
            EXPECT_THROW(core::replaceFile(path, "new"), core::FileCreateError);
        }
        core::setMakeTemporaryFile(nullptr);
        EXPECT_EQ(c.old ? readBytes(path) : std::string(), writable ? "new" : c.old ? c.old : "");
        const DWORD kept = hidden | system | readOnly;  // a missing file reads as having all
        EXPECT_EQ(GetFileAttributesA(path.c_str()) & kept, c.old ? c.attributes : kept);
        EXPECT_EQ(entries(folder.path()).size(), c.old ? 1u : 0u);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}
