// Fonts and the layouts' texts for the "A" functions.
#include "code_page.h"
#include "impl.h"

#include <algorithm>
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

std::string fromLayoutText(const std::string &utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        return utf8;
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], size)));
    return core::systemFromWide(wide);
}

} // namespace win32
