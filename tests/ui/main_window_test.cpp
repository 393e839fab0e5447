#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "access.h"
#include "app_fixture.h"
#include "image.h"
#include "label.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace {

void click(const ui::Control &control)
{
    QWidget *widget = widgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// What a user can see after a click: which windows are up, and any errors.
QString outcome(const QStringList &errors)
{
    return QString("main %1, picker %2, cps3 %3, model2 %4, errors [%5]")
        .arg(Form1->isVisible())
        .arg(Form2->isVisible())
        .arg(Form3->isVisible())
        .arg(Form4->isVisible())
        .arg(errors.join("; "));
}

} // namespace

class MainWindow : public AppTest {
protected:
    void start(int languageLines = 50)
    {
        writeKeyWithLanguage(languageLines);
        createForms();
        Form1->show();
        main = widgetOf(*Form1);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // Runs a fresh program, clicks `which` and says what came of it.
    QString clickInFreshRun(ui::Label TForm1::*label, ui::Image TForm1::*image)
    {
        start();
        click(label ? static_cast<ui::Control &>(Form1->*label) : Form1->*image);
        const QString result = outcome(errors);
        destroyForms();
        errors.clear();
        return result;
    }

    QWidget *main = nullptr;
};

TEST_F(MainWindow, EmblemAndLinkOpenTheSameSettingsWindow)
{
    const QString byLink = clickInFreshRun(&TForm1::Label1, nullptr);
    const QString byEmblem = clickInFreshRun(nullptr, &TForm1::Image4);
    EXPECT_EQ(byLink, byEmblem);
    EXPECT_EQ(byLink, "main 0, picker 0, cps3 1, model2 0, errors []");

    const QString byModel2Link = clickInFreshRun(&TForm1::Label3, nullptr);
    const QString byModel2Emblem = clickInFreshRun(nullptr, &TForm1::Image5);
    EXPECT_EQ(byModel2Link, byModel2Emblem);
    EXPECT_EQ(byModel2Link, "main 0, picker 0, cps3 0, model2 1, errors []");
}

TEST_F(MainWindow, PressReleasedAwayFromTheEmblemOpensNothing)
{
    start();
    QTest::mousePress(widgetOf(Form1->Image4), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QTest::mouseRelease(widgetOf(Form1->Image4), Qt::LeftButton, Qt::NoModifier, QPoint(30, 120));
    QTest::mouseClick(widgetOf(Form1->Label1), Qt::RightButton);
    EXPECT_EQ(outcome(errors), "main 1, picker 0, cps3 0, model2 0, errors []");
}

TEST_F(MainWindow, FolderAreaShowsOnePickerAndSetsItsTextsEachTime)
{
    start();
    click(Form1->Image2);
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->caption(), "line 6");
    EXPECT_EQ(Form2->Button1.text(), "line 8");

    const QPoint where = widgetOf(*Form2)->pos();
    Form2->setCaption("changed");
    click(Form1->Image2);
    EXPECT_EQ(Form2->caption(), "line 6");
    EXPECT_EQ(widgetOf(*Form2)->pos(), where);
    EXPECT_TRUE(Form1->isVisible());
    int pickers = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        pickers += w->objectName() == "TForm2" && w->isVisible();
    EXPECT_EQ(pickers, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindow, PickerWithoutLine8KeepsItsButtonTextAndShowsOneError)
{
    start(8);  // lines 0 to 7
    click(Form1->Image2);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->caption(), "line 6");
    EXPECT_EQ(Form2->Button1.text(), ".");
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(MainWindow, CloseAreaEndsTheRunAndStoresTheFolders)
{
    start();
    click(Form1->Image3);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(settingsText().contains("\"CPS3\"=\"/emu/cps3\""));
}

TEST_F(MainWindow, ControlsLookAsLaidOut)
{
    start();
    const auto image = [](const ui::Image &area) { return widgetOf<ImageWidget>(area); };
    const auto label = [](const ui::Label &text) { return widgetOf<LabelWidget>(text); };
    for (ImageWidget *area : {image(Form1->Image4), image(Form1->Image5), image(Form1->Image2), image(Form1->Image3)}) {
        EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor) << area->objectName().toStdString();
        EXPECT_TRUE(area->image().isNull());
        EXPECT_TRUE(area->isVisible());
    }
    EXPECT_EQ(image(Form1->Image4)->geometry(), QRect(18, 50, 65, 65));
    EXPECT_EQ(image(Form1->Image5)->geometry(), QRect(18, 200, 65, 63));
    EXPECT_EQ(image(Form1->Image2)->geometry(), QRect(480, 114, 17, 17));
    EXPECT_EQ(image(Form1->Image3)->geometry(), QRect(480, 184, 17, 17));

    EXPECT_EQ(label(Form1->Label10)->geometry(), QRect(56, 8, 449, 19));
    EXPECT_EQ(label(Form1->Label10)->font().pixelSize(), 16);
    EXPECT_TRUE(drawnBold(label(Form1->Label10)));
    // Folders read "/work/main", not "/ work/ main": no gap after a slash.
    EXPECT_LE(QFontMetrics(label(Form1->Label10)->font()).rightBearing('/'), 1);

    for (LabelWidget *link : {label(Form1->Label1), label(Form1->Label3)}) {
        EXPECT_EQ(link->font().pixelSize(), 19);
        EXPECT_TRUE(drawnBold(link));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(label(Form1->Label4)->font().pixelSize(), 11);
    EXPECT_EQ(label(Form1->Label4)->palette().color(QPalette::WindowText), QColor(Qt::white));
    // Where the text starts; a label may reach past it for a glyph that
    // overhangs ("/" in some fonts).
    for (auto [text, at] : {std::pair{label(Form1->Label4), QPoint(106, 70)}, {label(Form1->Label7), QPoint(106, 250)}})
        EXPECT_EQ(text->mapTo(main, text->contentsRect().topLeft()), at);
}

TEST_F(MainWindow, SelfSizingLabelsNeverClipTheirText)
{
    start();
    auto *link = widgetOf<LabelWidget>(Form1->Label1);
    // Label1 got its text before the window was first shown.
    EXPECT_GE(link->width(), QFontMetrics(link->font()).horizontalAdvance("line 2"));

    // Any way of changing the text, also through a plain QLabel pointer.
    QLabel *label = widgetOf<QLabel>(Form1->Label6);
    const QString longFolder = "/home/someone/emulators/a-rather-long-folder-name/cps3";
    label->setText(longFolder);
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(longFolder));
    label->setText("<b>not bold</b>");
    EXPECT_GE(label->width(), metrics.horizontalAdvance("<b>not bold</b>"));
    label->clear();
    EXPECT_LT(label->width(), metrics.horizontalAdvance("<b>"));
    label->setNum(1234567890);
    EXPECT_GE(label->width(), metrics.horizontalAdvance("1234567890"));

    // Accents above capitals and cedillas below stay inside the label, and
    // the text keeps its place.
    const QString accented = QString::fromUtf8("Émulateur Ç");
    link->setText(accented);
    const QFontMetrics big(link->font());
    const QRect contents = link->contentsRect();
    const QRect ink = big.boundingRect(accented).translated(contents.left(), contents.top() + big.ascent());
    EXPECT_TRUE(link->rect().contains(ink));
    EXPECT_EQ(link->mapTo(main, contents.topLeft()), QPoint(96, 34));

    // A title on the window's top edge cannot grow above it: the text moves down.
    auto *title = widgetOf<LabelWidget>(Form3->Label1);
    title->setText(accented);
    EXPECT_GE(title->y(), 0);
    EXPECT_TRUE(title->rect().contains(
        big.boundingRect(accented).translated(0, title->contentsRect().top() + big.ascent())));
}

// Shortened, the main window's folders end before the folder and close symbols.
TEST_F(MainWindow, AFolderTooLongForItsPlaceIsShortenedAndWholeInItsTooltip)
{
    start();
    Form3->show();
    const QString folder = "/home/someone/emulators/" + QString(60, 'x') + "/cps3";
    for (auto [control, right] : {std::pair{&Form1->Label6, 479}, {&Form1->Label7, 479}, {&Form3->Label2, 200}})
        for (const QString &text : {QString("/emu"), folder}) {
            auto *label = widgetOf<LabelWidget>(*control);
            label->setText(text);
            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(label, &help);
            EXPECT_EQ(help.isAccepted(), text == folder) << label->objectName().toStdString();  // a tooltip?
            EXPECT_LE(label->geometry().right(), right);
            EXPECT_EQ(label->text(), text);
        }
    EXPECT_TRUE(QToolTip::text().contains(folder));
}

TEST_F(MainWindow, IsShapedByItsArtCentredAndTranslucent)
{
    start();
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    const QRegion shape = main->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(511, 321)));
    EXPECT_TRUE(shape.contains(QPoint(256, 161)));
    EXPECT_TRUE(shape.contains(QPoint(0, 161)));
    EXPECT_NEAR(main->windowOpacity(), 240.0 / 255.0, 0.01);
    EXPECT_EQ(main->palette().color(QPalette::Window), QColor(0, 255, 0));

    const QRect screen = main->screen()->geometry();
    EXPECT_EQ(main->pos(), QPoint(screen.x() + (screen.width() - 512) / 2,
                                   screen.y() + (screen.height() - 322) / 2));
}

class DragStrip : public MainWindow {
protected:
    // Presses on `target` at window point `from`, drags by `by`, releases.
    void drag(QWidget *target, QPoint from, QPoint by)
    {
        const QPoint global = main->mapToGlobal(from);
        const QPoint local = target->mapFromGlobal(global);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent move(QEvent::MouseMove, local + by, global + by, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + by, global + by, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
};

TEST_F(DragStrip, DraggingOnTheTitleLabelMovesTheWindow)
{
    start();
    const QPoint before = main->pos();
    drag(widgetOf(Form1->Label10), QPoint(100, 15), QPoint(30, 20));
    EXPECT_EQ(main->pos(), before + QPoint(30, 20));
    // The strip runs the window's whole width, past its height (322).
    drag(widgetOf(Form1->Image1), QPoint(480, 15), QPoint(-50, 10));
    EXPECT_EQ(main->pos(), before + QPoint(-20, 30));
    // The drag ended with the release: a later drag on a control below the
    // strip leaves the window where it is.
    drag(widgetOf(Form1->Label4), QPoint(110, 74), QPoint(40, 40));
    EXPECT_EQ(main->pos(), before + QPoint(-20, 30));
}

TEST_F(DragStrip, PressesOnAnOpenDropDownListOverTheStripDoNotMoveTheWindow)
{
    start();
    auto *combo = new QComboBox(main);
    combo->addItems({"one", "two", "three"});
    combo->setGeometry(200, 0, 120, 10);
    combo->show();
    combo->showPopup();
    QWidget *list = combo->view()->viewport();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QPoint inStrip(230, 20);
    ASSERT_TRUE(list->rect().contains(list->mapFromGlobal(main->mapToGlobal(inStrip))));
    const QPoint before = main->pos();
    drag(list, inStrip, QPoint(30, 20));
    EXPECT_EQ(main->pos(), before);
}

TEST_F(DragStrip, PressesBelowTheStripDoNotMoveTheWindow)
{
    start();
    const QPoint before = main->pos();
    drag(widgetOf(Form1->Label4), QPoint(110, 74), QPoint(30, 20));
    drag(main, QPoint(300, 28), QPoint(30, 20));
    EXPECT_EQ(main->pos(), before);
}
