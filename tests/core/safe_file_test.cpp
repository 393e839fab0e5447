#include "errors.h"
#include "safe_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#ifndef _WIN32
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using filetest::entries;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::writeBytes;
#ifndef _WIN32
using filetest::asOrdinaryUser;
using filetest::kNobody;
using filetest::kNoGroup;
using filetest::Outcome;
#endif

namespace {

#ifndef _WIN32
mode_t modeOf(const std::string &path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Sets the umask for one test and puts the old one back.
class UmaskGuard {
public:
    explicit UmaskGuard(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskGuard() { ::umask(old_); }
private:
    mode_t old_;
};
#endif

// Lets `limit` bytes through, then fails the way a full disk does.
core::WriteChunk failingAfter(std::size_t limit)
{
    auto written = std::make_shared<std::size_t>(0);
    return [written, limit](int fd, const char *data, std::size_t size) -> long {
        if (*written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, limit - *written);
        const long done = ::write(fd, data, n);
        if (done > 0)
            *written += static_cast<std::size_t>(done);
        return done;
    };
}


} // namespace

#ifndef _WIN32
TEST(ReplaceFile, NewFileGetsExactBytesAndModeUnderUmask)
{
    ScratchFolder folder;
    UmaskGuard mask(027);
    const std::string bytes("a\r\n\0b\r\n", 7);
    core::replaceFile(folder / "new.ini", bytes);
    EXPECT_EQ(readBytes(folder / "new.ini"), bytes);
    EXPECT_EQ(modeOf(folder / "new.ini"), 0640u);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"new.ini"});
}

TEST(ReplaceFile, ReplacedFileKeepsItsModeOwnerAndGroup)
{
    ScratchFolder folder;
    UmaskGuard mask(022);
    writeBytes(folder / "f", "a much longer previous content");
    ASSERT_EQ(::chmod((folder / "f").c_str(), 0604), 0);
    // Only root can hand a file to someone else; anyone else keeps their own.
    const uid_t owner = ::geteuid() == 0 ? kNobody : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? kNoGroup : ::getegid();
    ASSERT_EQ(::chown((folder / "f").c_str(), owner, group), 0);

    core::replaceFile(folder / "f", "short");
    EXPECT_EQ(readBytes(folder / "f"), "short");
    EXPECT_EQ(modeOf(folder / "f"), 0604u);
    struct stat info {};
    ASSERT_EQ(::stat((folder / "f").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
}

TEST(ReplaceFile, TargetThatIsNoRegularFileIsLeftAlone)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir((folder / "emu").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("../fifo", (folder / "emu/EMULATOR.INI").c_str()), 0);

    for (const std::string &path : {folder / "fifo", folder / "emu/EMULATOR.INI"})
        EXPECT_THROW(core::replaceFile(path, "data"), core::FileCreateError) << path;

    struct stat info {};
    ASSERT_EQ(::lstat((folder / "fifo").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(entries(folder.path()), (std::vector<std::string>{"emu", "fifo"}));
    EXPECT_EQ(entries(folder / "emu"), std::vector<std::string>{"EMULATOR.INI"});
}

TEST(ReplaceFile, AnOrdinaryUserNeedsWriteRightsOnTheFileNotTheFolder)
{
    ScratchFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder / "open").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder / "locked").c_str(), 0755), 0);
    writeBytes(folder / "open/EMULATOR.INI", "read-only\r\n");
    writeBytes(folder / "locked/EMULATOR.INI", "a longer previous file\r\n");
    ASSERT_EQ(::chmod((folder / "open").c_str(), 0777), 0);
    ASSERT_EQ(::chmod((folder / "open/EMULATOR.INI").c_str(), 0444), 0);
    ASSERT_EQ(::chmod((folder / "locked/EMULATOR.INI").c_str(), 0666), 0);
    ASSERT_EQ(::chmod((folder / "locked").c_str(), 0555), 0);

    // The folder would allow a rename over the file the user may not write.
    EXPECT_EQ(asOrdinaryUser([&] { core::replaceFile(folder / "open/EMULATOR.INI", "new\r\n"); }),
              Outcome::FileCreateError);
    EXPECT_EQ(readBytes(folder / "open/EMULATOR.INI"), "read-only\r\n");
    EXPECT_EQ(entries(folder / "open"), std::vector<std::string>{"EMULATOR.INI"});

    // No new file may go into the folder, but the file itself is writable.
    // Bytes that do not fit (a size limit here, a full disk alike) leave it whole.
    const rlimit limit{4096, 4096};
    EXPECT_EQ(asOrdinaryUser([&] {
                  ::signal(SIGXFSZ, SIG_IGN);
                  ::setrlimit(RLIMIT_FSIZE, &limit);
                  core::replaceFile(folder / "locked/EMULATOR.INI", std::string(5000, 'x'));
              }), Outcome::OtherCoreError);
    EXPECT_EQ(readBytes(folder / "locked/EMULATOR.INI"), "a longer previous file\r\n");
    EXPECT_EQ(asOrdinaryUser([&] { core::replaceFile(folder / "locked/EMULATOR.INI", "new\r\n"); }),
              Outcome::Done);
    EXPECT_EQ(readBytes(folder / "locked/EMULATOR.INI"), "new\r\n");
    EXPECT_EQ(modeOf(folder / "locked/EMULATOR.INI"), 0666u);
    ASSERT_EQ(::chmod((folder / "locked").c_str(), 0755), 0);
}

// The others of the group keep their access when one of them saves.
TEST(ReplaceFile, AUserSharingTheFilesGroupKeepsItInThatGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make a user who holds a supplementary group";
    ScratchFolder folder;
    const gid_t shared = 4242;
    const std::string path = folder / "EMULATOR.INI";
    writeBytes(path, "old\r\n");
    ASSERT_EQ(::chown(path.c_str(), 0, shared), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    EXPECT_EQ(asOrdinaryUser([&] { core::replaceFile(path, "new\r\n"); }, shared), Outcome::Done);
    EXPECT_EQ(readBytes(path), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, shared);
}
#endif

// While it is written the new file sits beside the target, so that the move
// never crosses drives; it is flushed before it takes the target's place, and
// a failed flush leaves the previous file.
TEST(ReplaceFile, TheNewFileIsWrittenBesideTheTargetAndFlushedBeforeTheMove)
{
    ScratchFolder folder;
    const std::string path = folder / "EMULATOR.INI";
    for (const int flushed : {0, -1}) {
        writeBytes(path, "old\r\n");
        std::vector<std::string> whileWritten;
        std::string atFlush;
        const core::WriteChunk write = [&](int fd, const char *data, std::size_t size) -> long {
            whileWritten = entries(folder.path());
            return ::write(fd, data, static_cast<unsigned>(size));
        };
        const core::FlushFile flush = [&](int) {
            atFlush = readBytes(path);
            errno = EIO;
            return flushed;
        };
        if (flushed == 0)
            core::replaceFile(path, "new\r\n", write, flush);
        else
            EXPECT_THROW(core::replaceFile(path, "new\r\n", write, flush), core::WriteError);
        EXPECT_EQ(whileWritten.size(), 2u) << "no temporary file beside the target";
        EXPECT_EQ(atFlush, "old\r\n") << "not flushed before the move";
        EXPECT_EQ(readBytes(path), flushed == 0 ? "new\r\n" : "old\r\n");
        EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"EMULATOR.INI"});
    }
}

TEST(ReplaceFile, ShortAndInterruptedWritesStillWriteEverything)
{
    ScratchFolder folder;
    int calls = 0;
    const core::WriteChunk stingy = [&calls](int fd, const char *data, std::size_t size) -> long {
        if (++calls % 2 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 3));
    };
    const std::string bytes = "0123456789abcdefghij";
    core::replaceFile(folder / "f", bytes, stingy);
    EXPECT_EQ(readBytes(folder / "f"), bytes);
    EXPECT_GT(calls, 10);
}

TEST(ReplaceFile, FailedWriteLeavesPreviousFileWholeAndNoTemporary)
{
    ScratchFolder folder;
    writeBytes(folder / "f", "previous\r\n");
    try {
        core::replaceFile(folder / "f", std::string(4096, 'x'), failingAfter(100));
        FAIL() << "no error raised";
    } catch (const core::WriteError &e) {
        EXPECT_EQ(e.path(), folder / "f");
        EXPECT_NE(std::string(e.what()).find(folder / "f"), std::string::npos);
    }
    EXPECT_EQ(readBytes(folder / "f"), "previous\r\n");
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"f"});
}

TEST(ReplaceFile, NoUsableFolderCreatesNothing)
{
    ScratchFolder folder;
    writeBytes(folder / "plain", "x");
    for (const std::string &path : {folder / "missing/f", folder / "plain/f"}) {
        try {
            core::replaceFile(path, "data");
            ADD_FAILURE() << "no error raised for " << path;
        } catch (const core::FileCreateError &e) {
            EXPECT_EQ(e.path(), path);
        }
    }
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"plain"});
    EXPECT_EQ(readBytes(folder / "plain"), "x");
}

TEST(ReplaceFile, FolderInTheWayIsACreateErrorAndLeavesNoTemporary)
{
    ScratchFolder folder;
    ASSERT_TRUE(std::filesystem::create_directory(folder / "f"));
    EXPECT_THROW(core::replaceFile(folder / "f", "data"), core::FileCreateError);
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"f"});
}

#ifndef _WIN32
TEST(ReplaceFile, LinkChainStaysAndItsLastTargetIsReplaced)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir((folder / "emu").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder / "links").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder / "links/real").c_str(), 0755), 0);
    writeBytes(folder / "links/real/shared.ini", "old");
    ASSERT_EQ(::chmod((folder / "links/real/shared.ini").c_str(), 0640), 0);
    // A relative link to a second link in another folder, whose own relative
    // target counts from that folder.
    ASSERT_EQ(::symlink("real/shared.ini", (folder / "links/hop").c_str()), 0);
    ASSERT_EQ(::symlink("../links/hop", (folder / "emu/EMULATOR.INI").c_str()), 0);

    core::replaceFile(folder / "emu/EMULATOR.INI", "new\r\n");

    char link[64] = {};
    ASSERT_GT(::readlink((folder / "emu/EMULATOR.INI").c_str(), link, sizeof link - 1), 0);
    EXPECT_STREQ(link, "../links/hop");
    ASSERT_GT(::readlink((folder / "links/hop").c_str(), link, sizeof link - 1), 0);
    EXPECT_STREQ(link, "real/shared.ini");
    EXPECT_EQ(readBytes(folder / "links/real/shared.ini"), "new\r\n");
    EXPECT_EQ(modeOf(folder / "links/real/shared.ini"), 0640u);
    EXPECT_EQ(entries(folder / "links/real"), std::vector<std::string>{"shared.ini"});
    EXPECT_EQ(entries(folder / "links"), (std::vector<std::string>{"hop", "real"}));
    EXPECT_EQ(entries(folder / "emu"), std::vector<std::string>{"EMULATOR.INI"});
}

TEST(ReplaceFile, DanglingLinkCreatesItsTarget)
{
    ScratchFolder folder;
    ASSERT_EQ(::symlink("target", (folder / "link").c_str()), 0);
    core::replaceFile(folder / "link", "made");
    EXPECT_EQ(readBytes(folder / "target"), "made");
    struct stat info {};
    ASSERT_EQ(::lstat((folder / "link").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    // A backslash is an ordinary character of a name here, not a separator.
    ASSERT_EQ(::symlink("my\\cfg.ini", (folder / "other").c_str()), 0);
    core::replaceFile(folder / "other", "made");
    EXPECT_EQ(readBytes(folder / "my\\cfg.ini"), "made");
}
#endif
