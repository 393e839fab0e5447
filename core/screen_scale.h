#pragma once
// The windows on a screen of more than 96 dots per inch: every length of a
// layout grows by dpi / 96, the whole window alike. Rectangles are scaled by
// their edges, not their sizes, so controls that touch at 96 DPI still touch,
// and none that were apart come to overlap. The art follows the same edges:
// each of its pixels becomes the block between its scaled edges.
#include "layout.h"

namespace core {

inline constexpr int kBaseDpi = 96;

class ScreenScale {
public:
    // Below 96 the windows keep their 96-DPI size: they must not lose pixels.
    explicit constexpr ScreenScale(int dpi = kBaseDpi) : dpi_(dpi > kBaseDpi ? dpi : kBaseDpi) {}

    constexpr int dpi() const { return dpi_; }
    constexpr bool isIdentity() const { return dpi_ == kBaseDpi; }

    // A position or length, rounded to the nearest pixel, halves up.
    constexpr int length(int value) const
    {
        const long long product = static_cast<long long>(value) * dpi_;
        const long long half = kBaseDpi / 2;
        return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half - 1) / kBaseDpi));
    }

    Rect rect(const Rect &r) const;
    Font font(const Font &f) const;
    ControlLayout control(const ControlLayout &c) const;
    FormLayout form(const FormLayout &f) const;

    // The 96-DPI pixel that a pixel of the scaled picture shows: the one
    // whose scaled edges hold it.
    int sourcePixel(int scaled) const;

private:
    int dpi_;
};

} // namespace core
