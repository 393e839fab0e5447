// The skinned main window on a high-density screen: the art and the window
// shape must scale together, or lime shows at the edges and corners clip.
#include "Unit1.h"
#include "access.h"
#include "application.h"
#include "layer/application.h"

#include <QBitmap>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HighDensityScreen, ArtAndShapeScaleTogether)
{
    createForms();
    Form1->show();
    const QPixmap drawn = widgetOf(*Form1)->grab();
    ASSERT_DOUBLE_EQ(drawn.devicePixelRatio(), 2.0);
    const QImage image = drawn.toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(1024, 644));

    // Each window pixel covers two by two device pixels: lime exactly where
    // the shape leaves the window out, art everywhere inside it.
    const QRegion shape = widgetOf(*Form1)->mask();
    int mismatches = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool lime = image.pixel(x, y) == qRgb(0, 255, 0);
            if (lime == shape.contains(QPoint(x / 2, y / 2)))
                ++mismatches;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(256, 161)));
    destroyForms();
}

int main(int argc, char **argv)
{
    // No stored key: the window starts with its placeholders.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv, "Dravomel");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
