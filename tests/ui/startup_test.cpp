#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "access.h"
#include "app_fixture.h"
#include "handler_guard.h"
#include "text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using StartUp = AppTest;

TEST_F(StartUp, WithoutKeyShowsPlaceholdersSilentlyAndCreatesNothing)
{
    createForms();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(toText(Form1->Label10.text()), "...");
    EXPECT_EQ(toText(Form1->Label6.text()), "...");
    EXPECT_EQ(toText(Form1->Label7.text()), "...");
    for (ui::Label *label : {&Form1->Label1, &Form1->Label3, &Form1->Label4, &Form1->Label5,
                              &Form1->Label8, &Form1->Label9})
        EXPECT_EQ(label->text(), ".");
    EXPECT_EQ(Form1->ListBox1.count(), 0u);
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(StartUp, FillsTheMainWindowFromKeyAndLanguageFile)
{
    // A program folder named in Windows-1252, not UTF-8, is still found.
    writeKeyWithLanguage(50, "/emu/cps3", "/emu/model2", "langue fran\xE7""aise");
    createForms();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(toBytes(toText(Form1->Label10.text())), toBytes(home.path()) + "/langue fran\xE7""aise");
    EXPECT_EQ(toText(Form1->Label6.text()), "/emu/cps3");
    EXPECT_EQ(toText(Form1->Label7.text()), "/emu/model2");
    EXPECT_EQ(toText(Form1->Label1.text()), "line 2");
    EXPECT_EQ(toText(Form1->Label3.text()), "line 3");
    EXPECT_EQ(toText(Form1->Label4.text()), "line 4");
    EXPECT_EQ(toText(Form1->Label5.text()), "line 5");
    EXPECT_EQ(toText(Form1->Label8.text()), "line 7");
    EXPECT_EQ(toText(Form1->Label9.text()), "line 7");
    EXPECT_EQ(Form1->ListBox1.count(), 50u);
}

TEST_F(StartUp, MissingLanguageFileShowsOneErrorAndKeepsTheFolders)
{
    writeKey("\"DMpath\"=\"" + home.filePath("émulateurs").toUtf8()
             + "\"\n\"CPS3\"=\"\"\n\"Model2\"=\"/emu/m2\"\n");
    createForms();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(home.filePath("émulateurs") + "/LNGFILE")) << errors[0].toStdString();
    EXPECT_EQ(toText(Form1->Label6.text()), "");
    EXPECT_EQ(toText(Form1->Label7.text()), "/emu/m2");
    EXPECT_EQ(toText(Form1->Label1.text()), ".");
    EXPECT_EQ(toText(Form1->Label9.text()), ".");
    // Start-up went on: every window exists.
    EXPECT_NE(Form4, nullptr);
}

TEST_F(StartUp, ShortLanguageFileStopsAtTheFirstMissingLine)
{
    writeKeyWithLanguage(5);  // lines 0 to 4
    createForms();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("5"));
    EXPECT_EQ(toText(Form1->Label1.text()), "line 2");
    EXPECT_EQ(toText(Form1->Label3.text()), "line 3");
    EXPECT_EQ(toText(Form1->Label4.text()), "line 4");
    EXPECT_EQ(toText(Form1->Label5.text()), ".");
    EXPECT_EQ(toText(Form1->Label8.text()), ".");
}

TEST_F(StartUp, NonTextValueStopsReadingWithOneError)
{
    writeKey("\"DMpath\"=\"/x\"\n\"CPS3\"=dword:00000001\n\"Model2\"=\"/m2\"\n");
    createForms();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(toText(Form1->Label10.text()), "/x");
    EXPECT_EQ(toText(Form1->Label6.text()), "...");
    EXPECT_EQ(toText(Form1->Label7.text()), "...");
}

TEST_F(StartUp, OnlyTheMainWindowIsShownAndEachWindowHasItsCaptionAndSize)
{
    // The hidden windows are made once the main window's first frame is up.
    startForms();
    EXPECT_EQ(Form2, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return Form4 != nullptr; }));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(toText(Form1->caption()), QString::fromUtf8("Choix de l'émulateur"));
    EXPECT_EQ(toText(Form3->caption()), "CPS 3");
    EXPECT_EQ(toText(Form4->caption()), "Model 2");
    EXPECT_EQ(widgetOf(*Form1)->size(), QSize(512, 322));
    EXPECT_EQ(widgetOf(*Form2)->size(), QSize(281, 401));
    EXPECT_EQ(widgetOf(*Form3)->size(), QSize(517, 480));
    EXPECT_EQ(widgetOf(*Form4)->size(), QSize(517, 480));
}

TEST_F(StartUp, APressBeforeTheFirstFrameFindsEveryWindowMade)
{
    startForms();
    QTest::mouseClick(widgetOf(Form1->Label1), Qt::LeftButton);
    ASSERT_NE(Form3, nullptr);
    EXPECT_TRUE(Form3->isVisible());
}

TEST_F(StartUp, AnErrorIsShownInACriticalBoxTitledDravomel)
{
    setErrorSink(nullptr);  // the real message box
    writeKey("\"DMpath\"=\"" + home.filePath("émulateurs").toUtf8() + "\"\n");
    QString title, text;
    QTimer closer;  // the box is modal: read and close it from inside its loop
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->icon() == QMessageBox::Critical ? box->text() : "not critical";
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(0);
    createForms();
    EXPECT_EQ(title, "Dravomel");
    EXPECT_TRUE(text.contains(home.filePath("émulateurs") + "/LNGFILE")) << text.toStdString();
}

class ShutDown : public AppTest {
protected:
    // Runs the event loop, does `action` from inside it, and says whether
    // the loop then ended by itself.
    bool loopEndsAfter(const std::function<void()> &action)
    {
        bool stillRunning = false;
        QObject scope;  // a timer left pending ends with it
        QTimer::singleShot(0, &scope, [&] {
            action();
            // Runs only if the loop goes on after the action.
            QTimer::singleShot(0, &scope, [&] {
                stillRunning = true;
                QCoreApplication::exit();
            });
        });
        QCoreApplication::exec();
        return !stillRunning;
    }
};

TEST_F(ShutDown, QuittingWithoutKeyEndsTheRunAndStoresBothPlaceholders)
{
    createForms();
    Form1->show();
    EXPECT_TRUE(loopEndsAfter([] { Form1->Image3Click(); }));
    EXPECT_FALSE(Form1->isVisible());
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\Software\\Dravomel]"));
    EXPECT_TRUE(text.contains("\"CPS3\"=\"...\""));
    EXPECT_TRUE(text.contains("\"Model2\"=\"...\""));
    EXPECT_FALSE(text.contains("DMpath"));
}

TEST_F(ShutDown, StoresTheFoldersAsDisplayedAndKeepsTheProgramFolder)
{
    // A key exported on Windows holds Windows-1252 bytes; quitting keeps them.
    const QByteArray windowsFolder = "C:\\\\Jeux\\\\\xE9mulateurs\\\\cps3";
    writeKeyWithLanguage(50, "/emu/cps3", windowsFolder, "\xE9mulateurs");
    createForms();
    Form1->show();
    Form1->Label6.setText("/new/cps3");
    Form1->close();
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("\"CPS3\"=\"/new/cps3\""));
    EXPECT_TRUE(text.contains("\"Model2\"=\"" + windowsFolder + "\""));
    EXPECT_TRUE(text.contains("\"DMpath\"=\"" + home.path().toUtf8() + "/\xE9mulateurs\""));
}

TEST_F(ShutDown, ClosingASettingsWindowClosesTheHiddenMainWindow)
{
    writeKeyWithLanguage(50);
    createForms();
    Form1->show();
    Form1->Image4Click();
    ASSERT_FALSE(Form1->isVisible());
    ASSERT_TRUE(Form3->isVisible());
    Form1->Label7.setText("/picked/model2");
    EXPECT_TRUE(loopEndsAfter([] { Form3->close(); }));
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(settingsText().contains("\"Model2\"=\"/picked/model2\""));
}

TEST_F(ShutDown, ClosingTheModel2WindowStoresTheFoldersToo)
{
    createForms();
    Form1->show();
    runGuarded([] { Form1->Label3Click(); });  // no language table: the opening stops early
    Form4->close();
    EXPECT_TRUE(settingsText().contains("\"CPS3\"=\"...\""));
}

TEST_F(ShutDown, ClosingThePickerOnlyHidesIt)
{
    writeKeyWithLanguage(50);
    createForms();
    const QByteArray before = settingsText();
    Form1->show();
    Form1->Image2Click();
    ASSERT_TRUE(Form2->isVisible());
    Form2->close();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(settingsText(), before);  // the folders are stored only when the program ends
}
