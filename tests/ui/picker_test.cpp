#include "Unit2.h"
#include "Unit3.h"
#include "settings_window_fixture.h"
#include "text.h"

#include <QApplication>
#include <QScreen>
#include <QToolButton>

class Picker : public SettingsWindowTest {
protected:
    // A run whose picker is open, browsing the folder of both emulators;
    // the stored folders are still the key's "/emu/cps3" and "/emu/model2".
    void start()
    {
        QDir().mkpath(cps3);
        QDir().mkpath(model2);
        writeKeyWithLanguage(50);
        createForms();
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*Form1)));
        click(Form1->Image2);
        ASSERT_TRUE(Form2->isVisible());
        picker = widgetOf(*Form2);
        Form2->DirectoryListBox1.setDirectory(toBytes(home.filePath("emulators")));
    }

    static FolderListWidget *list() { return widgetOf<FolderListWidget>(Form2->DirectoryListBox1); }
    QPoint rowPoint(const QString &name) const
    {
        const QModelIndex row = rowOf(list(), name);
        EXPECT_TRUE(row.isValid()) << "no row " << name.toStdString();
        return list()->visualRect(row).center();
    }
    void openInList(const QString &name)
    {
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowPoint(name));
    }
    void highlightInList(const QString &name)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowPoint(name));
    }
    QString storedValue(const QByteArray &name) const
    {
        for (const QByteArray &line : settingsText().split('\n'))
            if (line.startsWith('"' + name + "\"="))
                return QString::fromLocal8Bit(line.mid(name.size() + 4).chopped(1));
        return "(none)";
    }

    QWidget *picker = nullptr;
};

TEST_F(Picker, IsAFixedDialogLaidOutWithTheFocusOnItsCloseButton)
{
    start();
    EXPECT_FALSE(picker->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(picker->minimumSize(), QSize(281, 401));
    EXPECT_EQ(picker->maximumSize(), QSize(281, 401));
    EXPECT_EQ(picker->font().pixelSize(), 11);
    const QRect screen = picker->screen()->geometry();
    EXPECT_EQ(picker->pos(), QPoint(screen.x() + (screen.width() - 281) / 2,
                                   screen.y() + (screen.height() - 401) / 2));

    EXPECT_EQ(widgetOf(Form2->DirectoryListBox1)->geometry(), QRect(8, 8, 265, 265));
    EXPECT_EQ(widgetOf(Form2->DriveComboBox1)->geometry(), QRect(8, 279, 265, 19));
    EXPECT_EQ(widgetOf(Form2->BitBtn1)->geometry(), QRect(8, 304, 75, 89));
    EXPECT_EQ(widgetOf(Form2->BitBtn2)->geometry(), QRect(104, 304, 75, 89));
    EXPECT_EQ(widgetOf(Form2->Button1)->geometry(), QRect(200, 304, 75, 89));
    EXPECT_EQ(toText(Form2->BitBtn1.text()), "CPS 3");
    EXPECT_EQ(toText(Form2->BitBtn2.text()), "Model 2");
    EXPECT_EQ(widgetOf<QToolButton>(Form2->BitBtn1)->iconSize(), QSize(64, 64));
    EXPECT_FALSE(widgetOf<QToolButton>(Form2->BitBtn1)->icon().isNull());

    picker->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker));
    QStringList tabOrder;
    QWidget *focused = QApplication::focusWidget();
    for (int i = 0; i < 5 && focused; ++i) {
        tabOrder << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    }
    EXPECT_EQ(tabOrder, QStringList({"Button1", "BitBtn2", "BitBtn1", "DirectoryListBox1", "DriveComboBox1"}));

    // Escape means nothing to the window itself.
    QTest::keyClick(picker, Qt::Key_Escape);
    EXPECT_TRUE(Form2->isVisible());
}

TEST_F(Picker, AssignsTheOpenedFolderWhichTheCps3WindowThenStartsFrom)
{
    start();
    openInList("cps3");
    highlightInList("emulators");
    click(Form2->BitBtn1);
    EXPECT_EQ(toText(Form1->Label6.text()), cps3);
    EXPECT_EQ(toText(Form1->Label7.text()), "/emu/model2");

    click(Form1->Image4);
    EXPECT_EQ(toText(Form3->Label2.text()), cps3 + "/roms");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Picker, ChangingTheDriveAloneAssignsNothing)
{
    start();
    openInList("cps3");
    Form2->DriveComboBox1.setDrives({"/", toBytes(model2)});
    Form2->DriveComboBox1.setDrive("/");

    choose(Form2->DriveComboBox1, 1);
    EXPECT_EQ(Form2->DirectoryListBox1.directory(), toBytes(model2));
    choose(Form2->DriveComboBox1, 0);
    EXPECT_EQ(Form2->DirectoryListBox1.directory(), toBytes(cps3));
    EXPECT_EQ(toText(Form1->Label6.text()), "/emu/cps3");
    EXPECT_EQ(toText(Form1->Label7.text()), "/emu/model2");
}

TEST_F(Picker, HidingAndShowingAgainKeepsItsFolderAndPlace)
{
    start();
    picker->move(30, 40);
    openInList("model2");
    click(Form2->Button1);
    EXPECT_FALSE(Form2->isVisible());
    click(Form1->Image2);
    Form2->close();  // the title bar's close box
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    click(Form1->Image2);
    EXPECT_EQ(picker->pos(), QPoint(30, 40));
    EXPECT_EQ(Form2->DirectoryListBox1.directory(), toBytes(model2));
    EXPECT_EQ(toText(Form1->Label6.text()), "/emu/cps3");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Picker, ATypicalRunStoresBothAssignedFoldersAtExit)
{
    start();
    const QByteArray storedBefore = settingsText();
    openInList("cps3");
    click(Form2->BitBtn1);
    openInList("emulators");
    openInList("model2");
    click(Form2->BitBtn2);
    EXPECT_EQ(settingsText(), storedBefore);  // the picker never stores anything itself

    click(Form2->Button1);
    click(Form1->Image3);
    EXPECT_EQ(storedValue("CPS3"), cps3);
    EXPECT_EQ(storedValue("Model2"), model2);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Picker, LeftOpenBesideTheCps3WindowItDecidesWhereTheFileGoes)
{
    start();
    openInList("cps3");
    click(Form2->BitBtn1);
    click(Form1->Image4);
    ASSERT_TRUE(Form3->isVisible());
    ASSERT_TRUE(Form2->isVisible());

    // The main window is hidden now; the picker still writes into it.
    openInList("emulators");
    openInList("model2");
    click(Form2->BitBtn1);
    click(Form3->Button2);

    const std::vector<std::string> lines = written(model2);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[9], "Dir1=" + toBytes(cps3) + "/roms");
    EXPECT_FALSE(QFile::exists(cps3 + "/EMULATOR.INI"));
    EXPECT_EQ(storedValue("CPS3"), model2);
    EXPECT_TRUE(errors.isEmpty());
}
