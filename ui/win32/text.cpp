// Texts for the "A" functions: the layouts' UTF-8 in the system code page,
// and a window's text as bytes.
#include "code_page.h"
#include "impl.h"

#include <algorithm>

std::string win32::fromLayoutText(const std::string &utf8)
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

std::string win32::windowText(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    return text;
}
