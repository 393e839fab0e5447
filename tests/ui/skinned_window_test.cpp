#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"
#include "app_fixture.h"
#include "bevel.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScreen>
#include <QTest>

class SkinnedWindows : public AppTest {
protected:
    void showAll()
    {
        writeKeyWithLanguage(50);
        createForms();
        for (QWidget *window : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form3),
                                static_cast<QWidget *>(Form4)})
            window->show();
    }
};

namespace {

// How much ink a picture on a see-through ground holds, and how wide it spreads.
struct Ink {
    double amount = 0;
    int left = 1 << 30, right = -1;
};

Ink inkOf(const QImage &image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int alpha = qAlpha(image.pixel(x, y)); alpha > 0) {
                ink.amount += alpha / 255.0;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    return ink;
}

} // namespace

// A bold face's glyphs are heavier and wider than the regular ones; the
// regular face merely thickened keeps its width.
TEST_F(SkinnedWindows, BoldTextsAreDrawnInABoldFace)
{
    showAll();
    for (TLabel *label : {Form1->Label10, Form1->Label1, Form1->Label3, Form3->Label1, Form4->Label1, Form4->Label8}) {
        SCOPED_TRACE(label->window()->objectName().toStdString() + "." + label->objectName().toStdString());
        label->setText("Emulator folders");
        QImage regular(label->size(), QImage::Format_ARGB32_Premultiplied);
        regular.fill(Qt::transparent);
        QFont font = label->font();
        font.setBold(false);
        QPainter painter(&regular);
        painter.setFont(font);
        painter.drawText(label->contentsRect(), int(label->alignment()), label->text());
        painter.end();
        const Ink drawn = inkOf(label->grab().toImage());
        const Ink thin = inkOf(regular);
        EXPECT_GT(drawn.amount, 1.3 * thin.amount);
        EXPECT_GT(drawn.right - drawn.left, 1.08 * (thin.right - thin.left));
    }
}

// The shaded edge is darker than the art beside it, the lit edge lighter.
TEST_F(SkinnedWindows, BevelsAreDrawnSunken)
{
    showAll();
    for (TBevel *bevel : {Form3->Bevel1, Form3->Bevel2, Form4->Bevel1, Form4->Bevel2}) {
        SCOPED_TRACE(bevel->window()->objectName().toStdString() + "." + bevel->objectName().toStdString());
        const QImage shot = bevel->window()->grab(bevel->geometry()).toImage();
        const int x = shot.width() / 2;
        const int bottom = shot.height() - 1;
        const int shaded = qGray(shot.pixel(x, bevel->shape() == TBevel::Box ? 0 : bottom - 1));
        EXPECT_LT(shaded, qGray(shot.pixel(x, bottom - 3)));
        EXPECT_GT(qGray(shot.pixel(x, bottom)), qGray(shot.pixel(x, bottom - 3)));
    }
}

// Both kinds of drop-down give their entries one height, with room around the text.
TEST_F(SkinnedWindows, DropDownEntriesHaveRoomAroundTheirText)
{
    showAll();
    QList<int> rows;
    for (QComboBox *box : {static_cast<QComboBox *>(Form3->ComboBox1), static_cast<QComboBox *>(Form4->DriveComboBox1)}) {
        box->showPopup();
        const QAbstractItemView *list = box->view();
        rows << list->visualRect(list->model()->index(0, 0)).height();
        EXPECT_GE(rows.last(), QFontMetrics(list->font()).height() + 4);
        box->hidePopup();
    }
    EXPECT_EQ(rows.first(), rows.last());
}

TEST_F(SkinnedWindows, SettingsWindowsAreOpaqueShapedAndLime)
{
    createForms();
    for (QWidget *window : {static_cast<QWidget *>(Form3), static_cast<QWidget *>(Form4)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
        // Hidden, a window has not decoded its art; it takes its shape as it
        // is shown.
        EXPECT_TRUE(window->mask().isEmpty());
        window->show();
        const QRegion shape = window->mask();
        for (QPoint corner : {QPoint(0, 0), QPoint(516, 0), QPoint(0, 479), QPoint(516, 479)})
            EXPECT_FALSE(shape.contains(corner));
        EXPECT_TRUE(shape.contains(QPoint(19, 0)));  // the top row loses 19 pixels at each end
        EXPECT_FALSE(shape.contains(QPoint(18, 0)));
        EXPECT_TRUE(shape.contains(QPoint(258, 240)));
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 255, 0));
        EXPECT_EQ(window->font().pixelSize(), 11);
        EXPECT_EQ(window->font().family(), "Tahoma");
    }
}

TEST_F(SkinnedWindows, CentredOnlyAtFirstShow)
{
    createForms();
    Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
    const QRect screen = Form3->screen()->geometry();
    EXPECT_EQ(Form3->pos(), QPoint(screen.x() + (screen.width() - 517) / 2,
                                   screen.y() + (screen.height() - 480) / 2));
    Form3->move(10, 20);
    Form3->hide();
    Form3->show();
    EXPECT_EQ(Form3->pos(), QPoint(10, 20));
}
