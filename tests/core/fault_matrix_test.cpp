// Bad language files and stored settings the user may not write: no hang, no
// crash, no file damaged and nothing left behind.
#include "errors.h"
#include "language_table.h"
#include "reg_file_hive.h"
#include "scratch_folder.h"
#include "stored_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using filetest::asOrdinaryUser;
using filetest::entries;
using filetest::kNobody;
using filetest::kNoGroup;
using filetest::Outcome;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::writeBytes;

// --- the language file ---

class LanguageFileFaults : public ::testing::Test {
protected:
    ScratchFolder scratch_;
    const std::string file_ = scratch_ / "LNGFILE";
    core::LanguageTable table_;
};

TEST_F(LanguageFileFaults, PipeOrDeviceIsRefusedWithoutWaiting)
{
    // A pipe nobody writes to would block the opening for ever, and a device
    // may never end.
    ASSERT_EQ(::mkfifo(file_.c_str(), 0644), 0);
    EXPECT_THROW(table_.load(file_), core::FileOpenError);
    EXPECT_THROW(table_.load("/dev/zero"), core::FileOpenError);
    EXPECT_EQ(table_.count(), 0u);
}

TEST_F(LanguageFileFaults, TenMegabytesOnOneLineAreKept)
{
    const std::string longLine(10 * 1024 * 1024, 'x');
    writeBytes(file_, longLine + "\r\nnext");
    table_.load(file_);
    ASSERT_EQ(table_.count(), 2u);
    EXPECT_EQ(table_.line(0), longLine);
    EXPECT_EQ(table_.line(1), "next");
}

TEST_F(LanguageFileFaults, BytesThatAreNotUtf8AreKeptAsTheyAre)
{
    const std::vector<std::string> kept{
        "\x80\xBF lone continuation bytes",
        "\xC0\xAF overlong",
        "\xED\xA0\x80 surrogate",
        "\xF4\x90\x80\x80 past the last code point",
        "cut short \xE2\x82",
    };
    std::string text;
    for (const std::string &line : kept)
        text += line + "\n";
    text.pop_back();
    writeBytes(file_, text);
    table_.load(file_);
    std::vector<std::string> loaded;
    for (std::size_t i = 0; i < table_.count(); ++i)
        loaded.push_back(table_.line(static_cast<long>(i)));
    EXPECT_EQ(loaded, kept);

    // A UTF-16 file ends at its first NUL byte.
    writeBytes(file_, std::string("\xFF\xFE" "C\0P\0\r\0\n\0", 10));
    table_.load(file_);
    ASSERT_EQ(table_.count(), 1u);
    EXPECT_EQ(table_.line(0), "\xFF\xFE" "C");
}

// --- storing the key as a user without the right to ---

class StoreFaults : public ::testing::Test {
protected:
    // Makes a folder with `mode` that "nobody" owns when the tests run as root.
    std::string ownFolder(const std::string &path, mode_t mode)
    {
        EXPECT_EQ(::mkdir(path.c_str(), 0700), 0) << path;
        handOver(path, mode);
        return path;
    }

    static void handOver(const std::string &path, mode_t mode)
    {
        if (::geteuid() == 0) {
            EXPECT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0) << path;
        }
        EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
    }

    Outcome store(const std::string &file)
    {
        return asOrdinaryUser([&] {
            core::RegFileHive hive(file);
            core::storeEmulatorFolders(hive, "/new/cps3", "/new/m2");
        });
    }

    void SetUp() override { handOver(scratch_.path(), 0755); }

    ScratchFolder scratch_;
};

TEST_F(StoreFaults, KeyFolderThatCannotBeMadeStoresNothingAndReportsNothing)
{
    const std::string config = ownFolder(scratch_ / "config", 0555);
    EXPECT_EQ(store(config + "/Dravomel/Dravomel.reg"), Outcome::Done);
    EXPECT_TRUE(entries(config).empty());
}

TEST_F(StoreFaults, PipeAsTheKeyFileIsNeitherReadNorWaitedFor)
{
    const std::string file = ownFolder(scratch_ / "config", 0755) + "/Dravomel.reg";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    handOver(file, 0666);
    core::RegFileHive hive(file);
    EXPECT_EQ(asOrdinaryUser([&] { static_cast<void>(core::openStoredSettings(hive)); }), Outcome::Done);
    EXPECT_EQ(store(file), Outcome::Done);
    struct stat info {};
    ASSERT_EQ(::lstat(file.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(StoreFaults, ReadOnlyKeyFileIsLeftExactlyAsItWasAndTheUserIsTold)
{
    const std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"
                             "\"DMpath\"=\"/opt/dm\"\n\"CPS3\"=\"/old/cps3\"\n";
    // A folder that takes new files would let a rename replace the file.
    const std::pair<const char *, mode_t> folders[] = {{"open", 0755}, {"locked", 0555}};
    for (const auto &[name, folderMode] : folders) {
        SCOPED_TRACE(name);
        const std::string folder = ownFolder(scratch_ / name, 0755);
        const std::string file = folder + "/Dravomel.reg";
        writeBytes(file, text);
        handOver(file, 0444);
        handOver(folder, folderMode);

        EXPECT_EQ(store(file), Outcome::FileCreateError);
        EXPECT_EQ(readBytes(file), text);
        EXPECT_EQ(entries(folder), std::vector<std::string>{"Dravomel.reg"});
    }
}

} // namespace
