// Checks the artwork as the program ships it: the pictures are read from the
// embedded resources, the icon file from the source tree.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace {

QImage art(const QString &name)
{
    return QImage(QStringLiteral(":/art/") + name);
}

bool isLime(QRgb c)
{
    return (c & 0xffffff) == 0x00ff00;
}

int brightness(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c);
}

bool isColourful(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)})
           > 40;
}

int colourfulPixels(const QImage &img, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += isColourful(img.pixel(x, y));
    return n;
}

struct Corners
{
    std::array<std::vector<int>, 4> rows; // lime run per row, outermost row first
    int inCorners = 0;                    // lime pixels in those runs
    int total = 0;                        // lime pixels anywhere
    int unoutlined = 0;                   // edge pixels of the shape that are not black
};

Corners corners(const QImage &img)
{
    const int w = img.width();
    const int h = img.height();
    Corners c;
    for (int k = 0; k < 4; ++k) {
        const bool right = k % 2;
        const bool bottom = k / 2;
        for (int i = 0; i < h / 2; ++i) {
            int n = 0;
            while (n < w / 2 && isLime(img.pixel(right ? w - 1 - n : n, bottom ? h - 1 - i : i)))
                ++n;
            if (n == 0)
                break;
            c.rows[size_t(k)].push_back(n);
            c.inCorners += n;
        }
    }
    const auto outside = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h || isLime(img.pixel(x, y));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (outside(x, y)) {
                ++c.total;
            } else if ((outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1)
                        || outside(x, y + 1))
                       && (img.pixel(x, y) & 0xffffff) != 0) {
                ++c.unoutlined;
            }
        }
    return c;
}

quint32 le(const QByteArray &b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

} // namespace

TEST(ArtSkin, BackgroundsAre24BitAtTheWindowSizes)
{
    const std::pair<QString, QSize> skins[] = {{"main_background.png", QSize(512, 322)},
                                               {"settings_background.png", QSize(517, 480)}};
    for (const auto &[name, size] : skins) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(art(name).size(), size);
        QFile f(":/art/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(26);
        ASSERT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR");
        EXPECT_EQ(int(head[24]), 8); // bits per sample
        EXPECT_EQ(int(head[25]), 2); // truecolour without alpha
    }
}

TEST(ArtSkin, SettingsCornersAreTheQuarterRoundAndTheOnlyLime)
{
    const QImage img = art("settings_background.png");
    ASSERT_FALSE(img.isNull());
    const std::vector<int> expected = {19, 15, 12, 10, 9, 8, 7, 6, 5, 4,
                                       3,  3,  2,  2,  2, 1, 1, 1, 1};
    const Corners c = corners(img);
    for (const std::vector<int> &rows : c.rows)
        EXPECT_EQ(rows, expected);
    EXPECT_EQ(c.total, 444);
    EXPECT_EQ(c.inCorners, c.total) << "lime outside the corner cut-outs";
    EXPECT_EQ(c.unoutlined, 0) << "the outline must follow the cut shape";
    EXPECT_TRUE(isLime(img.pixel(0, img.height() - 1))) << "the key colour is the bottom-left pixel";
}

TEST(ArtSkin, MainCornersAreSmallerQuarterRoundsAndTheOnlyLime)
{
    const QImage img = art("main_background.png");
    ASSERT_FALSE(img.isNull());
    const Corners c = corners(img);
    for (const std::vector<int> &rows : c.rows) {
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.front(), 15);
        EXPECT_LE(rows.front(), 18);
        EXPECT_GE(rows.size(), 15u);
        EXPECT_LE(rows.size(), 17u);
        EXPECT_EQ(rows.back(), 1);
        EXPECT_TRUE(std::is_sorted(rows.rbegin(), rows.rend())) << "rows must narrow inwards";
        EXPECT_EQ(rows, c.rows[0]) << "corners must mirror each other";
    }
    EXPECT_EQ(c.total, 288);
    EXPECT_EQ(c.inCorners, c.total) << "lime outside the corner cut-outs";
    EXPECT_EQ(c.unoutlined, 0) << "the outline must follow the cut shape";
    EXPECT_TRUE(isLime(img.pixel(0, img.height() - 1))) << "the key colour is the bottom-left pixel";
}

TEST(ArtSkin, DragBandIsBlueAndLighterTowardsTheTop)
{
    for (const char *name : {"main_background.png", "settings_background.png"}) {
        SCOPED_TRACE(name);
        const QImage img = art(name);
        ASSERT_FALSE(img.isNull());
        const int x = img.width() / 2;
        for (int y = 1; y <= 27; ++y) {
            const QRgb c = img.pixel(x, y);
            EXPECT_GT(qBlue(c), qRed(c) + 60) << "row " << y;
            EXPECT_GT(qBlue(c), qGreen(c) + 40) << "row " << y;
            if (y > 1) {
                EXPECT_LE(brightness(c), brightness(img.pixel(x, y - 1))) << "row " << y;
            }
        }
        const QRgb bottom = img.pixel(x, 27);
        EXPECT_NEAR(qRed(bottom), 32, 12);
        EXPECT_NEAR(qGreen(bottom), 74, 12);
        EXPECT_NEAR(qBlue(bottom), 142, 12);
        EXPECT_GT(brightness(img.pixel(x, 1)), brightness(bottom) + 60);
        EXPECT_FALSE(isColourful(img.pixel(x, 28))) << "the band must end at row 27";
    }
}

TEST(ArtSkin, SettingsBodyIsFlatDarkGrey)
{
    const QImage img = art("settings_background.png");
    ASSERT_FALSE(img.isNull());
    int other = 0;
    for (int y = 28; y < img.height() - 1; ++y) {
        // Stay clear of the outline and of the bottom corners.
        const int margin = y >= img.height() - 20 ? 20 : 1;
        for (int x = margin; x < img.width() - margin; ++x)
            other += img.pixel(x, y) != qRgb(44, 44, 44);
    }
    EXPECT_EQ(other, 0);
}

TEST(ArtSkin, MainBodyIsAGreyGlowBrightestInTheMiddle)
{
    const QImage img = art("main_background.png");
    ASSERT_FALSE(img.isNull());
    const QRgb centre = img.pixel(256, 175);
    EXPECT_FALSE(isColourful(centre));
    for (const QPoint p : {QPoint(3, 175), QPoint(508, 175), QPoint(256, 318), QPoint(256, 30)}) {
        EXPECT_FALSE(isColourful(img.pixel(p))) << p.x() << "," << p.y();
        EXPECT_GT(brightness(centre), brightness(img.pixel(p)) + 90) << p.x() << "," << p.y();
    }
}

TEST(ArtSkin, MainSymbolsSitUnderTheClickableAreasAndClearOfTheTexts)
{
    const QImage img = art("main_background.png");
    ASSERT_FALSE(img.isNull());
    // Emblems, folder and close cross each fill a good part of their area.
    const QRect cps3(18, 50, 65, 65), model2(18, 200, 65, 63);
    const QRect folder(480, 114, 17, 17), close(480, 184, 17, 17);
    EXPECT_GT(colourfulPixels(img, cps3), cps3.width() * cps3.height() / 2);
    EXPECT_GT(colourfulPixels(img, model2), model2.width() * model2.height() / 2);
    EXPECT_GT(colourfulPixels(img, folder), folder.width() * folder.height() / 3);
    EXPECT_GT(colourfulPixels(img, close), close.width() * close.height() / 3);
    // The two emulators are told apart by colour: warm and cool.
    EXPECT_GT(qRed(img.pixel(26, 82)), qBlue(img.pixel(26, 82)));
    EXPECT_GT(qBlue(img.pixel(26, 230)), qRed(img.pixel(26, 230)));
    // The combined emblem sits at the left end of the band; the title
    // label, from x 56 on, has plain band behind it.
    EXPECT_GT(colourfulPixels(img, QRect(6, 2, 49, 25)), 200);
    for (int y = 1; y <= 27; ++y)
        for (int x = 56; x < 480; ++x)
            ASSERT_EQ(img.pixel(x, y), img.pixel(256, y)) << x << "," << y;
    // Nothing colourful under the link and folder texts.
    EXPECT_EQ(colourfulPixels(img, QRect(90, 28, 380, 290)), 0);
}

TEST(ArtEmblems, EmblemsAre64SquareOnWhiteWithNoWhiteHoles)
{
    const QRgb white = qRgb(255, 255, 255);
    for (const char *name : {"cps3_emblem.png", "model2_emblem.png"}) {
        SCOPED_TRACE(name);
        const QImage img = art(name);
        ASSERT_EQ(img.size(), QSize(64, 64));
        EXPECT_EQ(img.pixel(0, 0), white);
        EXPECT_EQ(img.pixel(63, 63), white);
        // White is see-through, so white inside the emblem would show as a
        // hole: the badge is convex, so its background is the white runs at
        // either end of each row.
        int background = 0;
        int whitePixels = 0;
        for (int y = 0; y < 64; ++y) {
            int left = 0;
            while (left < 64 && img.pixel(left, y) == white)
                ++left;
            int right = 0;
            while (left < 64 && img.pixel(63 - right, y) == white)
                ++right;
            background += left + right;
            for (int x = 0; x < 64; ++x)
                whitePixels += img.pixel(x, y) == white;
        }
        EXPECT_EQ(whitePixels, background);
        EXPECT_LT(background, 64 * 64 / 8) << "the emblem should fill its picture";
    }
}

TEST(ArtIcon, IconPicturesHaveSeeThroughCornersAtThreeSizes)
{
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const QImage img = art(QStringLiteral("icon_%1.png").arg(size));
        EXPECT_EQ(img.size(), QSize(size, size));
        ASSERT_TRUE(img.hasAlphaChannel());
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255);
    }
}

// The Windows build embeds this file: each image must match the icon
// picture of its size, see-through mask included, rows stored bottom-up.
TEST(ArtIcon, IconFileHoldsEachSizeAtThreeDepths)
{
    QFile f(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/art/dravomel.ico"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QByteArray ico = f.readAll();
    ASSERT_GE(ico.size(), 6 + 9 * 16);
    EXPECT_EQ(le(ico, 2, 2), 1u); // an icon, not a cursor
    ASSERT_EQ(le(ico, 4, 2), 9u);

    std::set<std::pair<int, int>> found;
    for (int i = 0; i < 9; ++i) {
        const int entry = 6 + 16 * i;
        const int size = quint8(ico[entry]);
        const int bpp = int(le(ico, entry + 6, 2));
        const quint32 bytes = le(ico, entry + 8, 4);
        const quint32 offset = le(ico, entry + 12, 4);
        SCOPED_TRACE(testing::Message() << size << " px, " << bpp << " bpp");
        found.insert({size, bpp});
        ASSERT_LE(quint64(offset) + bytes, quint64(ico.size()));
        const QByteArray dib = ico.mid(int(offset), int(bytes));
        const int palette = bpp < 32 ? 4 << bpp : 0;
        const int colourStride = ((size * bpp + 31) / 32) * 4;
        const int maskStride = ((size + 31) / 32) * 4;
        ASSERT_EQ(dib.size(), 40 + palette + (colourStride + maskStride) * size);
        EXPECT_EQ(le(dib, 0, 4), 40u);
        EXPECT_EQ(le(dib, 4, 4), quint32(size));
        EXPECT_EQ(le(dib, 8, 4), quint32(2 * size)); // colour and mask rows
        EXPECT_EQ(le(dib, 14, 2), quint32(bpp));

        const QImage png = art(QStringLiteral("icon_%1.png").arg(size));
        ASSERT_EQ(png.size(), QSize(size, size));
        const int colours = 40 + palette;
        const int mask = colours + colourStride * size;
        int wrongMask = 0;
        int wrongColour = 0;
        for (int y = 0; y < size; ++y) {
            const int row = size - 1 - y;
            for (int x = 0; x < size; ++x) {
                const QRgb want = png.pixel(x, y);
                const bool clear = quint8(dib[mask + row * maskStride + x / 8]) & (0x80 >> (x % 8));
                wrongMask += clear != (qAlpha(want) < 128);
                const int at = colours + row * colourStride + 4 * x;
                if (bpp == 32)
                    wrongColour += qRgba(quint8(dib[at + 2]), quint8(dib[at + 1]), quint8(dib[at]),
                                         quint8(dib[at + 3]))
                                   != want;
            }
        }
        EXPECT_EQ(wrongMask, 0);
        EXPECT_EQ(wrongColour, 0);
    }
    const std::set<std::pair<int, int>> wanted = {{16, 32}, {16, 8}, {16, 4}, {32, 32}, {32, 8},
                                                  {32, 4},  {48, 32}, {48, 8}, {48, 4}};
    EXPECT_EQ(found, wanted);
}
