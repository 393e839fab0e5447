#include "screen_scale.h"

#include <gtest/gtest.h>

namespace {

const int kDpis[] = {96, 120, 144, 168, 192, 288};

int order(int a, int b)
{
    return (a > b) - (a < b);
}

} // namespace

// Controls that touch at 96 DPI still touch and none that were apart come to
// overlap, in the built-in windows and with touching controls at odd places;
// a length is rounded half up (281 at 144 DPI is 422).
TEST(ScreenScale, EveryLayoutKeepsItsNeighboursAtEveryDpi)
{
    const core::FormLayout touching = core::parseLayout(
        "form TForm9 101x31\nButton A 1,1 33x9\nButton B 34,1 33x9\nButton C 67,1 33x9\nButton D 1,10 33x9\n");
    for (const core::FormLayout *base : {&core::formLayout("TForm1"), &core::formLayout("TForm2"),
                                         &core::formLayout("TForm3"), &core::formLayout("TForm4"), &touching})
        for (const int dpi : kDpis) {
            SCOPED_TRACE(base->name + " at " + std::to_string(dpi));
            const core::FormLayout scaled = core::ScreenScale(dpi).form(*base);
            EXPECT_EQ(scaled.clientWidth, (base->clientWidth * dpi + 48) / 96);
            for (std::size_t i = 0; i < base->controls.size(); ++i) {
                const core::Rect &a = base->controls[i].bounds, &sa = scaled.controls[i].bounds;
                for (std::size_t j = 0; j < base->controls.size(); ++j) {
                    const core::Rect &b = base->controls[j].bounds, &sb = scaled.controls[j].bounds;
                    EXPECT_EQ(order(sa.left + sa.width, sb.left), order(a.left + a.width, b.left));
                    EXPECT_EQ(order(sa.top + sa.height, sb.top), order(a.top + a.height, b.top));
                }
            }
        }
}

// Each art pixel at a DPI shows the 96-DPI pixel whose scaled edges hold it,
// so the art lines up with the controls; at 192 DPI that is plain doubling.
TEST(ScreenScale, EachScaledPixelShowsThePixelWhoseEdgesHoldIt)
{
    for (const int dpi : kDpis) {
        const core::ScreenScale scale(dpi);
        for (int x = 0; x < scale.length(600); ++x) {
            const int source = scale.sourcePixel(x);
            ASSERT_TRUE(scale.length(source) <= x && x < scale.length(source + 1)) << dpi << " " << x;
            ASSERT_TRUE(dpi != 192 || source == x / 2) << x;
        }
    }
}
