#include "Unit3.h"
#include "Unit4.h"
#include "access.h"
#include "app_fixture.h"

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
