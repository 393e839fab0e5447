#include "../core/scratch_folder.h"
#include "Unit1.h"
#include "Unit2.h"
#include "app_fixture.h"
#include "text.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <filesystem>

class Picker : public AppTest {
protected:
    // A run whose picker is open and browsing the folder "emu" with its
    // two emulator folders.
    void start()
    {
        for (const char *name : {"emu", "emu/cps3", "emu/model2"})
            std::filesystem::create_directory(scratch / name);
        writeKeyWithLanguage(50);
        createForms();
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        QTest::mouseClick(Form1->Image2, Qt::LeftButton);
        ASSERT_TRUE(Form2->isVisible());
        Form2->DirectoryListBox1->setDirectory(scratch / "emu");
    }

    QPoint rowOf(const std::string &name) const
    {
        TDirectoryListBox *list = Form2->DirectoryListBox1;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (index.data().toString() == QString::fromStdString(name))
                return list->visualRect(index).center();
        }
        ADD_FAILURE() << "no row " << name;
        return {};
    }
    void openInList(const std::string &name)
    {
        QTest::mouseDClick(Form2->DirectoryListBox1->viewport(), Qt::LeftButton, {}, rowOf(name));
    }
    void highlightInList(const std::string &name)
    {
        QTest::mouseClick(Form2->DirectoryListBox1->viewport(), Qt::LeftButton, {}, rowOf(name));
    }
    static void press(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::string cps3Folder() const { return toBytes(Form1->Label6->text()); }
    std::string model2Folder() const { return toBytes(Form1->Label7->text()); }

    filetest::ScratchFolder scratch;
};

TEST_F(Picker, IsAFixedDialogLaidOutWithTheFocusOnItsCloseButton)
{
    start();
    EXPECT_FALSE(Form2->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Form2->minimumSize(), QSize(281, 401));
    EXPECT_EQ(Form2->maximumSize(), QSize(281, 401));
    EXPECT_EQ(Form2->font().pixelSize(), 11);
    const QRect screen = Form2->screen()->geometry();
    EXPECT_EQ(Form2->pos(), QPoint(screen.x() + (screen.width() - 281) / 2,
                                   screen.y() + (screen.height() - 401) / 2));

    EXPECT_EQ(Form2->DirectoryListBox1->geometry(), QRect(8, 8, 265, 265));
    EXPECT_EQ(Form2->DriveComboBox1->geometry(), QRect(8, 279, 265, 19));
    EXPECT_EQ(Form2->BitBtn1->geometry(), QRect(8, 304, 75, 89));
    EXPECT_EQ(Form2->BitBtn2->geometry(), QRect(104, 304, 75, 89));
    EXPECT_EQ(Form2->Button1->geometry(), QRect(200, 304, 75, 89));
    EXPECT_EQ(Form2->BitBtn1->text(), "CPS 3");
    EXPECT_EQ(Form2->BitBtn2->text(), "Model 2");
    EXPECT_EQ(Form2->BitBtn1->iconSize(), QSize(64, 64));
    EXPECT_FALSE(Form2->BitBtn1->icon().isNull());

    Form2->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
    QStringList tabOrder;
    QWidget *focused = QApplication::focusWidget();
    for (int i = 0; i < 5 && focused; ++i) {
        tabOrder << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    }
    EXPECT_EQ(tabOrder, QStringList({"Button1", "BitBtn2", "BitBtn1", "DirectoryListBox1", "DriveComboBox1"}));

    // Enter and Escape mean nothing to the window itself.
    Form2->DirectoryListBox1->setFocus();
    QTest::keyClick(Form2, Qt::Key_Escape);
    EXPECT_TRUE(Form2->isVisible());
}

TEST_F(Picker, AssignsTheOpenedFolderNotAHighlightedOne)
{
    start();
    openInList("cps3");
    highlightInList("emu");
    press(Form2->BitBtn1);
    EXPECT_EQ(cps3Folder(), scratch / "emu/cps3");
    EXPECT_EQ(model2Folder(), "/emu/model2");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Picker, ChangingTheDriveAloneAssignsNothing)
{
    start();
    openInList("cps3");
    const std::string otherDrive = scratch / "emu/model2";
    Form2->DriveComboBox1->setDrives({"/", otherDrive});
    Form2->DriveComboBox1->setDrive("/");

    QTest::keyClick(Form2->DriveComboBox1, Qt::Key_Down);
    EXPECT_EQ(Form2->DirectoryListBox1->directory(), otherDrive);
    QTest::keyClick(Form2->DriveComboBox1, Qt::Key_Up);
    EXPECT_EQ(Form2->DirectoryListBox1->directory(), scratch / "emu/cps3");
    EXPECT_EQ(cps3Folder(), "/emu/cps3");
    EXPECT_EQ(model2Folder(), "/emu/model2");
}

TEST_F(Picker, HidingAndShowingAgainKeepsItsFolder)
{
    start();
    openInList("model2");
    press(Form2->Button1);
    EXPECT_FALSE(Form2->isVisible());
    QTest::mouseClick(Form1->Image2, Qt::LeftButton);
    Form2->close();  // the title bar's close box
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    QTest::mouseClick(Form1->Image2, Qt::LeftButton);
    EXPECT_EQ(Form2->DirectoryListBox1->directory(), scratch / "emu/model2");
    EXPECT_EQ(cps3Folder(), "/emu/cps3");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Picker, ATypicalRunStoresBothAssignedFoldersAtExit)
{
    start();
    const QByteArray storedBefore = settingsText();
    openInList("cps3");
    press(Form2->BitBtn1);
    openInList("emu");
    openInList("model2");
    press(Form2->BitBtn2);
    EXPECT_EQ(settingsText(), storedBefore);  // the picker never stores anything itself

    press(Form2->Button1);
    QTest::mouseClick(Form1->Image3, Qt::LeftButton);
    const QByteArray stored = settingsText();
    EXPECT_TRUE(stored.contains(QByteArray("\"CPS3\"=\"") + (scratch / "emu/cps3").c_str() + "\""));
    EXPECT_TRUE(stored.contains(QByteArray("\"Model2\"=\"") + (scratch / "emu/model2").c_str() + "\""));
    EXPECT_TRUE(errors.isEmpty());
}
