#include "../core/scratch_folder.h"
#include "drive_combo_box.h"
#include "combo_box.h"
#include "errors.h"
#include "folder_list.h"
#include "folders.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <string>

#include <sys/stat.h>

using filetest::ScratchFolder;

TEST(DropDown, SelectedEntryAndChangeFollowTheUserOnly)
{
    ComboBoxWidget box;
    box.addItems({"640", "800", "1024"});
    box.setItemIndex(-1);
    QSignalSpy changed(&box, &ComboBoxWidget::changed);
    EXPECT_EQ(box.itemIndex(), -1);
    EXPECT_EQ(box.currentText(), "");

    box.setItemIndex(2);
    box.setItem(2, "1152");
    EXPECT_EQ(box.itemIndex(), 2);
    EXPECT_EQ(box.currentText(), "1152");
    EXPECT_THROW(box.setItem(3, "x"), core::ListIndexError);
    EXPECT_EQ(changed.count(), 0);

    // Typing: the selection follows the text, the list never grows.
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), "11");
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box.currentText(), "11");
    EXPECT_EQ(box.itemIndex(), -1);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(changed.count(), 2);
    QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(box.lineEdit(), "800");
    EXPECT_EQ(box.currentText(), "1800");
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), "800");
    EXPECT_EQ(box.itemIndex(), 1);

    // Choosing with the keyboard selects the next entry and is a change.
    changed.clear();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.itemIndex(), 2);
    EXPECT_EQ(box.currentText(), "1152");
    EXPECT_EQ(changed.count(), 1);

    box.setItemIndex(-1);
    EXPECT_EQ(box.currentText(), "");
    box.setEnabled(false);
    QTest::keyClicks(box.lineEdit(), "9");
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.currentText(), "");
    EXPECT_EQ(changed.count(), 1);
}

class FolderList : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"emu", "emu/cps3", "emu/.wine", "emu/Beta", "emu/alpha"})
            std::filesystem::create_directory(scratch / name);
        list.resize(265, 265);
        list.show();
        list.setDirectory(scratch / "emu");
        QObject::connect(&list, &FolderListWidget::mouseDown,
                         [this] { pressedAt.push_back(list.directory()); });
    }

    QPoint rowPoint(int row) const { return list.visualRect(list.model()->index(row, 0)).center(); }
    int rows() const { return list.model()->rowCount(); }
    QString rowText(int row) const { return list.model()->index(row, 0).data().toString(); }
    int chainLength() const { return rows() - 4; }  // while showing "emu"

    // Where each row's drawing starts, in pixels from the list's left edge.
    std::vector<int> drawnFrom()
    {
        const QImage shown = list.viewport()->grab().toImage();
        const QRgb background = shown.pixel(shown.width() - 1, shown.height() - 1);
        std::vector<int> starts;
        for (int row = 0; row < rows(); ++row) {
            const QRect rect = list.visualRect(list.model()->index(row, 0));
            int start = rect.right();
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x < start; ++x)
                    if (shown.pixel(x, y) != background)
                        start = x;
            starts.push_back(start);
        }
        return starts;
    }

    ScratchFolder scratch;
    FolderListWidget list;
    std::vector<std::string> pressedAt;
};

TEST_F(FolderList, ShowsTheChainThenEverySubfolderAndOpensOnlyOnDoubleClick)
{
    const int chain = chainLength();
    EXPECT_EQ(rowText(chain - 1), "emu");
    EXPECT_EQ(rowText(0), QString::fromStdString(core::driveOf(scratch.path(), core::listDrives())));
    QStringList subfolders;
    for (int row = chain; row < rows(); ++row)
        subfolders << rowText(row);
    EXPECT_EQ(subfolders, QStringList({".wine", "alpha", "Beta", "cps3"}));
    EXPECT_EQ(list.visualRect(list.model()->index(chain, 0)).height(), 16);
    // One step right per level down the chain; the subfolders are all one level.
    list.clearSelection();
    const std::vector<int> starts = drawnFrom();
    for (int row = 1; row < rows(); ++row)
        EXPECT_EQ(starts[row] - starts[row - 1], row <= chain ? 10 : 0) << "row " << row;

    // A click highlights only; the second press of a double click opens, then is reported.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowPoint(chain + 3));
    EXPECT_EQ(list.directory(), scratch / "emu");
    EXPECT_EQ(list.currentIndex().row(), chain + 3);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowPoint(chain + 3));
    EXPECT_EQ(list.directory(), scratch / "emu/cps3");
    EXPECT_EQ(pressedAt, (std::vector<std::string>{scratch / "emu", scratch / "emu/cps3"}));
    EXPECT_EQ(rows(), chain + 1);

    // Any button anywhere is a press; Enter opens the highlighted row.
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, QPoint(100, 250));
    EXPECT_EQ(pressedAt.size(), 3u);
    list.setCurrentIndex(list.model()->index(chain - 1, 0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.directory(), scratch / "emu");
}

TEST_F(FolderList, NamesAreBytesAndAVanishedFolderOpensEmpty)
{
    const std::string latin1 = scratch / "\xC9mulateur";  // not UTF-8
    std::filesystem::create_directory(latin1);
    list.setDirectory(scratch.path());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowPoint(rows() - 1));
    EXPECT_EQ(list.directory(), latin1);

    list.setDirectory(scratch / "emu");
    const int chain = chainLength();
    std::filesystem::remove(scratch / "emu/alpha");
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowPoint(chain + 1));
    EXPECT_EQ(list.directory(), scratch / "emu/alpha");
    EXPECT_EQ(rows(), chain + 1);
}

TEST(HiddenFolderList, ShowsItsCurrentFolderWhenShown)
{
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "emu/cps3");
    FolderListWidget list;
    list.resize(265, 40);  // room for two rows; the chain is longer
    list.setDirectory(scratch / "emu/cps3");
    list.show();
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualRect(list.currentIndex())));
}

TEST_F(FolderList, ADriveReturnsToItsLastFolderOrItsRoot)
{
    const std::string drive = core::driveOf(scratch.path(), core::listDrives());
    const std::string otherRoot = scratch / "emu/Beta";
    list.setDrive(otherRoot);
    EXPECT_EQ(list.directory(), otherRoot);
    EXPECT_EQ(rowText(0), QString::fromStdString(otherRoot));
    list.setDrive(drive);
    EXPECT_EQ(list.directory(), scratch / "emu");
}

TEST_F(FolderList, ListsAHundredThousandSubfoldersAndFollowsALinkLoopAsFarAsThePathGoes)
{
    // In memory where there is such a file system: on a busy disk, making and
    // removing this many folders takes minutes.
    const ScratchFolder many(std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                       : std::filesystem::temp_directory_path());
    for (int i = 0; i < 100000; ++i)
        ASSERT_EQ(::mkdir((many / std::to_string(i)).c_str(), 0755), 0);
    list.setDirectory(many.path());
    const int manyChain = rows() - 100000;
    EXPECT_EQ(rowText(manyChain - 1), QString::fromStdString(many.path()).section('/', -1));
    EXPECT_EQ(rowText(manyChain), "0");
    EXPECT_EQ(rowText(rows() - 1), "99999");

    // "self" names its own folder: each open goes one "/self" deeper, until
    // the system will not follow that many links and the list shows none.
    std::filesystem::create_directory_symlink(".", scratch / "emu/alpha/self");
    std::string path = scratch / "emu/alpha";
    list.setDirectory(path);
    int chain = rows() - 1;
    int opened = 0;
    for (; rows() > chain && opened < 100; ++opened) {
        list.setCurrentIndex(list.model()->index(chain, 0));
        QTest::keyClick(&list, Qt::Key_Return);
        path += "/self";
        ++chain;
        ASSERT_EQ(list.directory(), path);
        EXPECT_EQ(rowText(chain - 1), "self");
    }
    EXPECT_GT(opened, 1);
    EXPECT_LT(opened, 100);
}

// A working folder deleted under the program cannot be named; the list and
// the drive list start at the root.
TEST_F(FolderList, AGoneWorkingFolderStartsAtTheRoot)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::create_directory(scratch / "gone");
    std::filesystem::current_path(scratch / "gone");
    std::filesystem::remove(scratch / "gone");
    FolderListWidget atStart;
    DriveComboBoxWidget drives;
    std::filesystem::current_path(before);
    EXPECT_EQ(atStart.directory(), "/");
    EXPECT_EQ(atStart.model()->index(0, 0).data().toString(), "/");
    EXPECT_EQ(drives.drive(), "/");
}

TEST(DriveDropDown, StartsAtTheWorkingFolderAndReportsOnlyTheUsersChoice)
{
    // The working folder is on a second volume.
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch / "second/roms");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch / "second/roms");
    DriveComboBoxWidget drives(nullptr, core::listDrives("/dev/sdb1 " + scratch / "second" + " ext4 rw 0 0\n"));
    std::filesystem::current_path(before);
    EXPECT_EQ(drives.count(), 2);
    EXPECT_EQ(drives.drive(), scratch / "second");
    EXPECT_EQ(drives.currentText(), QString::fromStdString(scratch / "second"));

    QSignalSpy changed(&drives, &DriveComboBoxWidget::changed);
    drives.setDrives({"/", "/media/stick"});
    drives.setDrive("/");
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(&drives, Qt::Key_Down);
    EXPECT_EQ(drives.drive(), "/media/stick");
    EXPECT_EQ(changed.count(), 1);
}
