#include "screen_scale.h"

#include <gtest/gtest.h>

namespace {

const int kDpis[] = {96, 120, 144, 168, 192, 288};

// -1, 0 or 1: how one control's far edge lies to another's near edge.
int order(int a, int b)
{
    return (a > b) - (a < b);
}

} // namespace

TEST(ScreenScale, LengthsGrowByDpiOver96RoundedHalfUp)
{
    const struct {
        int dpi, value, scaled;
    } cases[] = {
        {96, 11, 11}, {120, 11, 14}, {144, 11, 17}, {144, 19, 29}, {144, 281, 422}, {192, 28, 56},
        {288, 7, 21}, {72, 28, 28},  // below 96 nothing shrinks
    };
    for (const auto &c : cases)
        EXPECT_EQ(core::ScreenScale(c.dpi).length(c.value), c.scaled) << c.dpi << " " << c.value;
}

// Controls that touch at 96 DPI still touch, and none that were apart comes
// to overlap; at 96 the layout is the built-in one.
TEST(ScreenScale, EveryLayoutKeepsItsNeighboursAtEveryDpi)
{
    // The built-in windows, and controls that touch at odd places.
    const core::FormLayout touching = core::parseLayout("form TForm9 101x31\n"
                                                        "Button A 1,1 33x9\nButton B 34,1 33x9\n"
                                                        "Button C 67,1 33x9\nButton D 1,10 33x9\n");
    for (const char *name : {"TForm1", "TForm2", "TForm3", "TForm4", "TForm9"}) {
        const core::FormLayout &base = std::string(name) == "TForm9" ? touching : core::formLayout(name);
        for (const int dpi : kDpis) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(dpi));
            const core::ScreenScale scale(dpi);
            const core::FormLayout scaled = scale.form(base);
            EXPECT_EQ(scaled.clientWidth, scale.length(base.clientWidth));
            EXPECT_EQ(scaled.clientHeight, scale.length(base.clientHeight));
            ASSERT_EQ(scaled.controls.size(), base.controls.size());
            for (std::size_t i = 0; i < base.controls.size(); ++i) {
                const core::Rect &a = base.controls[i].bounds, &sa = scaled.controls[i].bounds;
                EXPECT_EQ(scaled.controls[i].font.pixelSize, scale.length(base.controls[i].font.pixelSize));
                if (dpi == 96) {
                    EXPECT_TRUE(sa.left == a.left && sa.top == a.top && sa.width == a.width && sa.height == a.height);
                    EXPECT_EQ(scaled.controls[i].maxWidth, base.controls[i].maxWidth);
                }
                for (std::size_t j = 0; j < base.controls.size(); ++j) {
                    const core::Rect &b = base.controls[j].bounds, &sb = scaled.controls[j].bounds;
                    EXPECT_EQ(order(sa.left + sa.width, sb.left), order(a.left + a.width, b.left))
                        << base.controls[i].name << " " << base.controls[j].name;
                    EXPECT_EQ(order(sa.top + sa.height, sb.top), order(a.top + a.height, b.top))
                        << base.controls[i].name << " " << base.controls[j].name;
                }
            }
        }
    }
}

// Each scaled art pixel shows the 96-DPI pixel whose scaled edges hold it:
// the art lines up with the controls, and 192 DPI is plain doubling.
TEST(ScreenScale, EachScaledPixelShowsThePixelWhoseEdgesHoldIt)
{
    for (const int dpi : kDpis) {
        const core::ScreenScale scale(dpi);
        for (int x = 0; x < scale.length(600); ++x) {
            const int source = scale.sourcePixel(x);
            ASSERT_TRUE(scale.length(source) <= x && x < scale.length(source + 1)) << dpi << " " << x;
            if (dpi == 192) {
                ASSERT_EQ(source, x / 2);
            }
        }
    }
}
