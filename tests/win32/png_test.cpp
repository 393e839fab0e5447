// The art's decoder: each channel where GDI reads it; a broken file refused.
#include "png.h"

#include <gtest/gtest.h>

TEST(ArtDecoding, PngPixelsComeOutAsBgraTopRowFirstAndABrokenFileAsNothing)
{
    const struct {
        std::string png;
        int width, height;
        std::vector<std::uint32_t> pixels;
    } cases[] = {
        // 2 x 1 with alpha: (0x11, 0x22, 0x33, 0x44) and opaque red.
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x02\0\0\0\x01\x08\x06\0\0\0\xf4\x22\x7f\x8a\0\0\0\x11"
                     "IDAT\x78\xda\x63\x10\x54\x32\x76\xf9\xcf\xc0\xf0\x1f\0\x09\0\x02\xa9\x06\x0b\x2e\x96\0\0\0\0"
                     "IEND\xae\x42\x60\x82", 74), 2, 1, {0x44112233, 0xFFFF0000}},
        // 1 x 2 without alpha: (0x10, 0x20, 0x30) above blue, both opaque.
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x02\x08\x02\0\0\0\x16\xe3\x21\x70\0\0\0\x10"
                     "IDAT\x78\xda\x63\x10\x50\x30\x60\x60\x60\xf8\x0f\0\x03\x27\x01\x60\xd1\x49\x3e\x05\0\0\0\0"
                     "IEND\xae\x42\x60\x82", 73), 1, 2, {0xFF102030, 0xFF0000FF}},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), 0, 0, {}},
    };
    for (const auto &c : cases) {
        win32::Picture picture;
        EXPECT_EQ(win32::decodePng(c.png.data(), c.png.size(), picture), c.width > 0);
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
        EXPECT_EQ(picture.pixels, c.pixels);
    }
}
