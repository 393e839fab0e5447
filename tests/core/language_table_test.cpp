// The language table: how the file's bytes become numbered lines, and the
// errors windows rely on when a file or a line is missing.
#include "errors.h"
#include "language_table.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class LanguageTableTest : public ::testing::Test {
protected:
    // Writes `bytes` as the language file and returns its path.
    std::string writeFile(const std::string &bytes, const std::string &name = "LNGFILE")
    {
        const std::string path = scratch_ / name;
        filetest::writeBytes(path, bytes);
        return path;
    }

    // Loads `bytes` through a real file and returns every line of the table.
    Lines loadLines(const std::string &bytes)
    {
        core::LanguageTable table;
        table.load(writeFile(bytes));
        Lines lines;
        for (std::size_t i = 0; i < table.count(); ++i)
            lines.push_back(table.line(static_cast<long>(i)));
        return lines;
    }

    filetest::ScratchFolder scratch_;
    const std::string folder_ = scratch_.path();
};

TEST_F(LanguageTableTest, UnixAndWindowsLineEndsGiveTheSameTable)
{
    const Lines expected{"Langue", "CPS 3", "Model 2"};
    EXPECT_EQ(loadLines("Langue\nCPS 3\nModel 2\n"), expected);
    EXPECT_EQ(loadLines("Langue\r\nCPS 3\r\nModel 2\r\n"), expected);
    // Without a break after the last line too.
    EXPECT_EQ(loadLines("Langue\nCPS 3\nModel 2"), expected);
    EXPECT_EQ(loadLines("Langue\r\nCPS 3\r\nModel 2"), expected);
}

TEST_F(LanguageTableTest, CarriageReturnAloneEndsALine)
{
    EXPECT_EQ(loadLines("one\rtwo\rthree\r"), (Lines{"one", "two", "three"}));
    // Mixed breaks in one file; LF then CR is two breaks, CR then LF is one.
    EXPECT_EQ(loadLines("a\rb\nc\r\nd\n\re"), (Lines{"a", "b", "c", "d", "", "e"}));
    // The same past a 16-byte block, with a CR LF split across its edge.
    const std::string fifteen(15, 'x');
    EXPECT_EQ(loadLines(fifteen + "\r\na\rb\nc\r\nd\n\re"),
              (Lines{fifteen, "a", "b", "c", "d", "", "e"}));
}

TEST_F(LanguageTableTest, FinalBreakAddsNoLineButBlankLinesAreKept)
{
    EXPECT_EQ(loadLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(loadLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    // Only the very last break is dropped: an empty last line survives.
    EXPECT_EQ(loadLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(loadLines("\n"), (Lines{""}));
    EXPECT_EQ(loadLines(""), Lines{});
}

TEST_F(LanguageTableTest, NulByteEndsTheText)
{
    EXPECT_EQ(loadLines(std::string("a\nb\0c\nd\n", 9)), (Lines{"a", "b"}));
    EXPECT_EQ(loadLines(std::string("a\n\0b\n", 5)), (Lines{"a"}));
    EXPECT_EQ(loadLines(std::string("\0a\n", 3)), Lines{});
}

TEST_F(LanguageTableTest, ByteOrderMarkStaysPartOfLineZero)
{
    EXPECT_EQ(loadLines("\xEF\xBB\xBFLangue\nCPS 3\n"), (Lines{"\xEF\xBB\xBFLangue", "CPS 3"}));
}

TEST_F(LanguageTableTest, SpacesTabsAndEightBitBytesAreKept)
{
    EXPECT_EQ(loadLines("  lead\ntrail \t\n\t\n ; not a comment\nR\xE9glages\\n\n"),
              (Lines{"  lead", "trail \t", "\t", " ; not a comment", "R\xE9glages\\n"}));
}

TEST_F(LanguageTableTest, MissingFileRaisesFileOpenErrorNamingThePath)
{
    const std::string path = folder_ + "/LNGFILE";
    core::LanguageTable table;
    try {
        table.load(path);
        FAIL() << "no error for a missing file";
    } catch (const core::FileOpenError &e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(table.count(), 0u);
    EXPECT_THROW(table.line(0), core::ListIndexError);
}

TEST_F(LanguageTableTest, FolderInPlaceOfTheFileRaisesFileOpenError)
{
    std::filesystem::create_directory(folder_ + "/LNGFILE");
    core::LanguageTable table;
    EXPECT_THROW(table.load(folder_ + "/LNGFILE"), core::FileOpenError);
    EXPECT_EQ(table.count(), 0u);
}

TEST_F(LanguageTableTest, FailedLoadEmptiesAnEarlierTable)
{
    core::LanguageTable table;
    table.load(writeFile("a\nb\n"));
    ASSERT_EQ(table.count(), 2u);
    EXPECT_THROW(table.load(folder_ + "/missing"), core::FileOpenError);
    EXPECT_EQ(table.count(), 0u);
}

TEST_F(LanguageTableTest, LineNumbersStopAtTheCount)
{
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    core::LanguageTable table;
    table.load(writeFile(text));
    ASSERT_EQ(table.count(), 50u);
    EXPECT_EQ(table.line(0), "line 0");
    EXPECT_EQ(table.line(49), "line 49");

    for (long bad : {50L, 51L, -1L, -50L}) {
        try {
            table.line(bad);
            ADD_FAILURE() << "no error for line " << bad;
        } catch (const core::ListIndexError &e) {
            EXPECT_EQ(e.index(), bad);
            EXPECT_NE(std::string(e.what()).find(std::to_string(bad)), std::string::npos) << e.what();
        }
    }
}

TEST_F(LanguageTableTest, ReloadReplacesThePreviousTable)
{
    core::LanguageTable table;
    table.load(writeFile("un\ndeux\ntrois\n", "fr"));
    ASSERT_EQ(table.count(), 3u);
    table.load(writeFile("one\n", "en"));
    EXPECT_EQ(table.count(), 1u);
    EXPECT_EQ(table.line(0), "one");
    EXPECT_THROW(table.line(1), core::ListIndexError);
}

} // namespace
