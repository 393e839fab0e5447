// Tahoma at the layouts' sizes, made once each.
#include "impl.h"

#include <map>
#include <tuple>

namespace win32 {

HFONT font(const core::Font &font)
{
    static std::map<std::tuple<int, bool, bool>, HFONT> made;
    HFONT &slot = made[{font.pixelSize, font.bold, font.underline}];
    if (!slot)
        // A negative height asks for the character height, not the cell's.
        slot = CreateFontA(-font.pixelSize, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                           font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    return slot;
}

} // namespace win32
