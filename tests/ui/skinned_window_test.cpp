#include "Unit3.h"
#include "Unit4.h"
#include "access.h"
#include "app_fixture.h"
#include "bevel.h"
#include "image.h"
#include "label.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <set>

#include <QScreen>
#include <QTest>

using SkinnedWindows = AppTest;

TEST_F(SkinnedWindows, SettingsWindowsAreOpaqueShapedAndLime)
{
    createForms();
    for (ui::Form *form : {static_cast<ui::Form *>(Form3), static_cast<ui::Form *>(Form4)}) {
        QWidget *window = widgetOf(*form);
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

        auto *title = window->findChild<LabelWidget *>("Label1");
        title->setText("CPS 3 emulator");
        EXPECT_TRUE(drawnBold(title));
        // Sunken: the shaded edge darker than the art beside it, the lit one lighter.
        for (BevelWidget *bevel : window->findChildren<BevelWidget *>()) {
            const QImage shot = window->grab(bevel->geometry()).toImage();
            const int x = shot.width() / 2, bottom = shot.height() - 1, art = qGray(shot.pixel(x, bottom - 3));
            EXPECT_LT(qGray(shot.pixel(x, bevel->shape() == BevelWidget::Box ? 0 : bottom - 1)), art);
            EXPECT_GT(qGray(shot.pixel(x, bottom)), art);
        }
        // Both kinds of drop-down give their entries one height, with room around the text.
        std::set<int> rows;
        for (auto *box : {window->findChild<QComboBox *>("ComboBox1"), window->findChild<QComboBox *>("DriveComboBox1")}) {
            box->showPopup();
            rows.insert(box->view()->visualRect(box->model()->index(0, 0)).height());
            box->hidePopup();
        }
        EXPECT_EQ(rows.size(), 1u);
        EXPECT_GE(*rows.begin(), QFontMetrics(window->font()).height() + 4);
    }
}

TEST_F(SkinnedWindows, CentredOnlyAtFirstShow)
{
    createForms();
    QWidget *window = widgetOf(*Form3);
    Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(screen.x() + (screen.width() - 517) / 2,
                                    screen.y() + (screen.height() - 480) / 2));
    window->move(10, 20);
    Form3->hide();
    Form3->show();
    EXPECT_EQ(window->pos(), QPoint(10, 20));
}
