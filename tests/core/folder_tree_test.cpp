#include "folder_tree.h"
#include "paths.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using filetest::ScratchFolder;

TEST(FolderTree, ShowsTheRootTheChainDownToTheCurrentFolderThenItsSubfolders)
{
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "a/b/y");
    std::filesystem::create_directories(scratch / "a/b/X");
    core::FolderTree tree;
    tree.setDirectory(scratch / "a/b" + core::kPathSeparator);

    EXPECT_EQ(tree.directory(), scratch / "a/b");
    const int here = tree.chainLength() - 1;
    ASSERT_GE(here, 2);
    EXPECT_EQ(tree.rowText(0), tree.drive());
    EXPECT_EQ(tree.rowPath(0), tree.drive());
    EXPECT_EQ(tree.rowPath(here - 1), scratch / "a");
    EXPECT_EQ(tree.rowText(here - 1), "a");
    EXPECT_EQ(tree.rowText(here), "b");
    for (int row = 0; row <= here; ++row)
        EXPECT_TRUE(tree.isOpenFolder(row) && tree.rowLevel(row) == row) << row;
    ASSERT_EQ(tree.rowCount(), here + 3);
    EXPECT_EQ(tree.rowText(here + 1), "X");
    EXPECT_EQ(tree.rowPath(here + 2), scratch / "a/b/y");
    EXPECT_TRUE(!tree.isOpenFolder(here + 2) && tree.rowLevel(here + 2) == here + 1);

    tree.open(here + 2);
    EXPECT_EQ(tree.directory(), scratch / "a/b/y");
    EXPECT_EQ(tree.rowCount(), tree.chainLength());  // no subfolders
    tree.open(here - 1);
    EXPECT_EQ(tree.directory(), scratch / "a");
    EXPECT_EQ(tree.rowText(tree.chainLength()), "b");
}

TEST(FolderTree, EachDriveShowsTheFolderItLastShowedOrItsRoot)
{
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "a/b");
    core::FolderTree tree;
    tree.setDirectory(scratch / "a");
    const std::string drive = tree.drive();

    tree.setDrive(scratch / "a/b");  // a drive of its own, never shown before
    EXPECT_EQ(tree.directory(), scratch / "a/b");
    EXPECT_EQ(tree.chainLength(), 1);
    tree.setDrive(drive);
    EXPECT_EQ(tree.directory(), scratch / "a");
}
