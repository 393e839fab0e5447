#include "../core/scratch_folder.h"
#include "Unit3.h"
#include "drive_combo_box.h"
#include "folder_list.h"
#include "settings_window_fixture.h"

#include <QWindow>

#include <cerrno>
#include <functional>
#include <utility>
#include <vector>

#include <unistd.h>

class Cps3Window : public SettingsWindowTest {
protected:
    void open(int languageLines = 50) { openFromMainWindow(&TForm1::Label1, languageLines); }
};

TEST_F(Cps3Window, OpenedAndSavedAtOnceWritesTheTemplateWithItsRomFolder)
{
    open();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(toText(Form3->Label1.text()), "line 1line 2");
    std::vector<std::string> expected = core::ConfigTemplate::cps3().lines();
    expected[9] = "Dir1=" + cps3.toStdString() + "/roms";
    expected[14] = "SoftwareVertexProcessing=1";  // loses its tab
    saveWithKeys(Form3);
    EXPECT_EQ(written(cps3), expected);
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(errors.isEmpty());
}

// Each list away from its preset, picked by the text the user sees: line 43
// reads "yes" and writes 1, line 44 "no" and 0.
TEST_F(Cps3Window, EachListWritesTheEntryItShows)
{
    open();
    std::vector<std::string> expected = core::ConfigTemplate::cps3().lines();
    expected[9] = "Dir1=" + cps3.toStdString() + "/roms";
    pick({{Form3->ComboBox1, 13, 13, "ForceSync=1"},
          {Form3->ComboBox2, 15, 14, "SoftwareVertexProcessing=0"},
          {Form3->ComboBox3, 43, 15, "ForceManaged=1"},
          {Form3->ComboBox4, 44, 17, "FilterTilemaps=0"}},
         expected);
    choose(Form3->ComboBox5, 3);
    expected[18] = "FullScreenWidth=1152";
    expected[19] = "FullScreenHeight=864";
    click(Form3->Button2);
    EXPECT_EQ(written(cps3), expected);
}

TEST_F(Cps3Window, WidthAndHeightListsChooseTheirPartner)
{
    open();
    choose(Form3->ComboBox5, 2);
    EXPECT_EQ(toText(Form3->ComboBox6.text()), "768");
    choose(Form3->ComboBox6, 4);
    EXPECT_EQ(toText(Form3->ComboBox5.text()), "1280");

    QTest::keyClick(widgetOf(Form3->ComboBox5), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widgetOf(Form3->ComboBox5), "80");  // the start of "800" is no entry
    EXPECT_EQ(saveAndRead(Form3->Button2, cps3, {18, 19}), "FullScreenWidth=80 FullScreenHeight=");
}

// The ROM folder is written in the emulators' code page, so "été" goes out
// as Windows-1252.
TEST_F(Cps3Window, PressingInTheFolderListCopiesItsCurrentFolder)
{
    const QString games = home.filePath("games");
    QDir().mkpath(games + QString::fromUtf8("/\u00e9t\u00e9/gone"));
    QDir().mkpath(games + "/beta");
    open();
    auto *list = widgetOf<FolderListWidget>(Form3->DirectoryListBox1);
    list->setDirectory(games.toStdString());

    const QPoint summer = list->visualRect(rowOf(list, QString::fromUtf8("\u00e9t\u00e9"))).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, summer);
    EXPECT_EQ(toText(Form3->Label2.text()), games);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, summer);
    EXPECT_EQ(toText(Form3->Label2.text()), games + QString::fromUtf8("/\u00e9t\u00e9"));

    // A folder that went away after it was listed opens empty.
    const QPoint gone = list->visualRect(rowOf(list, "gone")).center();
    ASSERT_TRUE(QDir(games + QString::fromUtf8("/\u00e9t\u00e9")).rmdir("gone"));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, gone);
    EXPECT_EQ(list->model()->index(list->model()->rowCount() - 1, 0).data().toString(), "gone");

    // Another drive moves the list, not the ROM folder.
    Form3->DriveComboBox1.setDrives({"/", home.path().toStdString()});
    choose(Form3->DriveComboBox1, 1);
    EXPECT_EQ(list->directory(), home.path().toStdString());
    EXPECT_EQ(saveAndRead(Form3->Button2, cps3, {9}), "Dir1=" + games.toStdString() + "/\xe9t\xe9/gone");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Cps3Window, OpeningStoppedByAShortLanguageFileStillSaves)
{
    open(44);  // no line 44: stops at the third choice list
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(toText(Form3->Label7.text()), ".");
    EXPECT_EQ(saveAndRead(Form3->Button2, cps3, {13, 14, 15, 17, 18, 19}),
              "ForceSync=-1 SoftwareVertexProcessing=-1 ForceManaged=-1 FilterTilemaps=-1 "
              "FullScreenWidth=640 FullScreenHeight=480");
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(Cps3Window, LeavingWithoutSavingEndsTheRunAndKeepsTheOldFile)
{
    const auto cancel = [] { click(Form3->Button1); };
    const auto systemClose = [] {
        QCloseEvent close;
        QApplication::sendEvent(widgetOf(*Form3)->windowHandle(), &close);
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

// Each fault breaks the save after the window opened.
TEST_F(Cps3Window, FailedSaveShowsOneErrorAndKeepsTheWindowAndTheOldFile)
{
    const QString ini = cps3 + "/EMULATOR.INI";
    const std::vector<std::pair<const char *, std::function<void()>>> faults = {
        {"disk fills half way",
         [&] {
             filetest::writeBytes(toBytes(ini), "mine\r\n");
             Form3->writeChunk = [full = false](int fd, const char *data, std::size_t size) mutable -> long {
                 errno = ENOSPC;
                 return std::exchange(full, true) ? -1 : ::write(fd, data, size / 2);
             };
         }},
        {"folder vanishes", [&] { QDir(cps3).removeRecursively(); }},
        {"EMULATOR.INI is a folder", [&] { QDir(cps3).mkdir("EMULATOR.INI"); }},
        {"EMULATOR.INI is a dangling link", [&] { QFile::link(cps3 + "/missing/EMULATOR.INI", ini); }},
    };
    for (const auto &[name, fault] : faults) {
        SCOPED_TRACE(name);
        open();
        fault();
        const bool hadFile = QFileInfo(ini).isFile();
        const std::string oldBytes = hadFile ? filetest::readBytes(toBytes(ini)) : "";
        const bool hadFolder = QFileInfo(cps3).isDir();
        const std::vector<std::string> oldEntries = hadFolder ? filetest::entries(toBytes(cps3))
                                                              : std::vector<std::string>();

        click(Form3->Button2);
        EXPECT_EQ(errors.size(), 1);
        EXPECT_TRUE(Form3->isVisible());
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_EQ(toText(Form3->Label2.text()), cps3 + "/roms");
        if (hadFile) {
            EXPECT_EQ(filetest::readBytes(toBytes(ini)), oldBytes);
        }
        if (hadFolder) {
            EXPECT_EQ(filetest::entries(toBytes(cps3)), oldEntries);  // no temporary file left
        }

        click(Form3->Button1);
        EXPECT_FALSE(Form3->isVisible());
        destroyForms();
        errors.clear();
        QDir(cps3).removeRecursively();
    }
}
