#include "Unit3.h"
#include "drive_combo.h"
#include "folder_list.h"
#include "settings_window_fixture.h"

#include <QWindow>

class Cps3Window : public SettingsWindowTest {
protected:
    void open(int languageLines = 50) { openFromMainWindow(&TForm1::Label1, languageLines); }

    std::vector<std::string> savedAtOnce()
    {
        click(Form3->Button2);
        return written(cps3);
    }
};

TEST_F(Cps3Window, OpenedAndSavedAtOnceWritesTheTemplateWithItsRomFolder)
{
    open();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form3->Label1->text(), "line 1line 2");
    std::vector<std::string> expected = core::ConfigTemplate::cps3().lines();
    expected[9] = "Dir1=" + cps3.toStdString() + "/roms";
    expected[14] = "SoftwareVertexProcessing=1";  // loses its tab
    EXPECT_EQ(savedAtOnce(), expected);
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Cps3Window, WidthAndHeightListsChooseTheirPartner)
{
    open();
    choose(Form3->ComboBox5, 2);
    EXPECT_EQ(Form3->ComboBox6->currentText(), "768");
    choose(Form3->ComboBox6, 4);
    EXPECT_EQ(Form3->ComboBox5->currentText(), "1280");

    QTest::keyClick(Form3->ComboBox5, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Form3->ComboBox5, "2000");
    const std::vector<std::string> lines = savedAtOnce();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[18], "FullScreenWidth=2000");
    EXPECT_EQ(lines[19], "FullScreenHeight=");
}

TEST_F(Cps3Window, PressingInTheFolderListCopiesItsCurrentFolder)
{
    const QString games = home.filePath("games");
    QDir().mkpath(games + "/alpha/gone");
    QDir().mkpath(games + "/beta");
    open();
    TDirectoryListBox *list = Form3->DirectoryListBox1;
    list->setDirectory(games.toStdString());

    const QPoint alpha = list->visualRect(rowOf(list, "alpha")).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, alpha);
    EXPECT_EQ(Form3->Label2->text(), games);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, alpha);
    EXPECT_EQ(Form3->Label2->text(), games + "/alpha");

    // A folder that went away after it was listed opens empty.
    const QPoint gone = list->visualRect(rowOf(list, "gone")).center();
    ASSERT_TRUE(QDir(games + "/alpha").rmdir("gone"));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, gone, 0);
    EXPECT_EQ(Form3->Label2->text(), games + "/alpha/gone");
    EXPECT_EQ(list->model()->index(list->model()->rowCount() - 1, 0).data().toString(), "gone");

    // Another drive moves the list, not the ROM folder.
    Form3->DriveComboBox1->setDrives({"/", home.path().toStdString()});
    choose(Form3->DriveComboBox1, 1);
    EXPECT_EQ(list->directory(), home.path().toStdString());
    EXPECT_EQ(Form3->Label2->text(), games + "/alpha/gone");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Cps3Window, RomFolderIsWrittenInTheEmulatorsCodePage)
{
    const QString accented = home.filePath(QString::fromUtf8("jeux d'\u00e9t\u00e9"));
    QDir().mkpath(accented);
    open();
    Form3->DirectoryListBox1->setDirectory(accented.toStdString());
    click(Form3->DirectoryListBox1->viewport());
    const std::vector<std::string> lines = savedAtOnce();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[9], "Dir1=" + home.path().toStdString() + "/jeux d'\xe9t\xe9");
}

TEST_F(Cps3Window, OpeningStoppedByAShortLanguageFileStillSaves)
{
    open(44);  // no line 44: stops at the third choice list
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form3->Label7->text(), ".");

    const std::vector<std::string> lines = savedAtOnce();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[13], "ForceSync=-1");
    EXPECT_EQ(lines[14], "SoftwareVertexProcessing=-1");
    EXPECT_EQ(lines[15], "ForceManaged=-1");
    EXPECT_EQ(lines[17], "FilterTilemaps=-1");
    EXPECT_EQ(lines[18], "FullScreenWidth=640");
    EXPECT_EQ(lines[19], "FullScreenHeight=480");
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(Cps3Window, LeavingWithoutSavingEndsTheRunAndKeepsTheOldFile)
{
    const auto cancel = [] { click(Form3->Button1); };
    const auto systemClose = [] {
        QCloseEvent close;
        QApplication::sendEvent(Form3->windowHandle(), &close);
    };
    for (const auto &leave : {std::function<void()>(cancel), std::function<void()>(systemClose)}) {
        open();
        QFile old(cps3 + "/EMULATOR.INI");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("mine\n");
        old.close();
        QFile::remove(settingsFile());

        leave();
        EXPECT_FALSE(Form3->isVisible());
        EXPECT_TRUE(settingsText().contains("\"CPS3\"="));  // stored as the run ended
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "mine\n");
        destroyForms();
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Cps3Window, FailedSaveShowsOneErrorAndKeepsTheWindow)
{
    open();
    QDir(cps3).removeRecursively();
    click(Form3->Button2);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_EQ(Form3->Label2->text(), cps3 + "/roms");
    click(Form3->Button1);
    EXPECT_FALSE(Form3->isVisible());
}
