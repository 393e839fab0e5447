#include "code_page.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace core {

namespace {

struct LanguageCodePage {
    const char *language;
    const char *codePage;
};

// Languages whose Windows locale has an ANSI code page other than 1252.
// Western European languages and anything unknown fall to 1252, as the
// C locale does under Wine.
const LanguageCodePage kCodePages[] = {
    {"cs", "1250"}, {"pl", "1250"}, {"hu", "1250"}, {"sk", "1250"}, {"sl", "1250"},
    {"hr", "1250"}, {"ro", "1250"}, {"sq", "1250"}, {"bs", "1250"}, {"tk", "1250"},
    {"ru", "1251"}, {"uk", "1251"}, {"be", "1251"}, {"bg", "1251"}, {"mk", "1251"},
    {"sr", "1251"}, {"kk", "1251"}, {"ky", "1251"}, {"mn", "1251"}, {"tt", "1251"},
    {"ba", "1251"}, {"tg", "1251"},
    {"el", "1253"},
    {"tr", "1254"}, {"az", "1254"}, {"uz", "1254"},
    {"he", "1255"},
    {"ar", "1256"}, {"fa", "1256"}, {"ur", "1256"}, {"ug", "1256"},
    {"lt", "1257"}, {"lv", "1257"}, {"et", "1257"},
    {"vi", "1258"},
    {"th", "874"},
    {"ja", "932"},
    {"ko", "949"},
};

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Empty variables count as unset, as they do for setlocale().
std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string codePageOfLocale(const std::string &locale)
{
    const std::string::size_type end = locale.find_first_of("_.@");
    const std::string language = lowered(locale.substr(0, end));
    const std::string::size_type at = locale.find('@');
    const std::string modifier = at == std::string::npos ? "" : lowered(locale.substr(at + 1));
    const std::string territory = locale.size() > end && locale[end] == '_'
        ? locale.substr(end + 1, locale.find_first_of(".@", end + 1) - end - 1)
        : "";

    if (language == "zh")
        return territory == "TW" || territory == "HK" || territory == "MO" ? "950" : "936";
    if (language == "sr" && modifier == "latin")
        return "1250";
    if (language == "uz" && modifier == "cyrillic")
        return "1251";
    for (const LanguageCodePage &entry : kCodePages)
        if (language == entry.language)
            return entry.codePage;
    return "1252";
}

const char kCodePageVariable[] = "DRAVOMEL_CODEPAGE";

std::string emulatorCodePage()
{
    const std::string chosen = environment(kCodePageVariable);
    if (!chosen.empty())
        return chosen;
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const std::string locale = environment(name);
        if (!locale.empty())
            return codePageOfLocale(locale);
    }
    return codePageOfLocale("C");
}

#ifdef _WIN32

std::string codePageProblem(const std::string &)
{
    return std::string();
}

std::optional<std::string> toCodePage(const std::string &text, const std::string &)
{
    return text;
}

std::wstring wideFromSystem(const std::string &text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string systemFromWide(const std::wstring &wide)
{
    const int size = static_cast<int>(wide.size());
    std::string text(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

#else

namespace {

bool isValidUtf8(const std::string &text)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const unsigned char c = s[i];
        std::size_t more;
        unsigned long code;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1, code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2, code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3, code = c & 0x07;
        } else {
            return false;
        }
        if (size - i <= more)
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (s[i + k] & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF.
        if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10FFFF
            || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

// A converter from UTF-8 to `codePage`, given by number ("1252") or by
// iconv's own name; (iconv_t)-1 when iconv knows no such code page.
iconv_t converterTo(const std::string &codePage)
{
    const bool number = !codePage.empty()
        && std::all_of(codePage.begin(), codePage.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
    return ::iconv_open((number ? "CP" + codePage : codePage).c_str(), "UTF-8");
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

std::string codePageProblem(const std::string &codePage)
{
    if (codePage == "65001")
        return std::string();
    const iconv_t cd = converterTo(codePage);
    if (cd != kNoConverter) {
        ::iconv_close(cd);
        return std::string();
    }
    if (!environment(kCodePageVariable).empty())
        return std::string(kCodePageVariable) + " names the code page \"" + codePage
               + "\", which is not known here";
    return "the code page " + codePage + " of the locale is not known here";
}

std::optional<std::string> toCodePage(const std::string &text, const std::string &codePage)
{
    // Plain ASCII reads the same in every ANSI code page.
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](unsigned char c) { return c < 0x80; });
    if (ascii || codePage == "65001" || !isValidUtf8(text))
        return text;

    const iconv_t cd = converterTo(codePage);
    if (cd == kNoConverter)
        return std::nullopt;

    // No character takes more bytes in these code pages than in UTF-8.
    std::string out(text.size() * 2 + 8, '\0');
    char *in = const_cast<char *>(text.data());
    std::size_t inLeft = text.size();
    char *to = &out[0];
    std::size_t toLeft = out.size();
    const bool done = ::iconv(cd, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1)
        && ::iconv(cd, nullptr, nullptr, &to, &toLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(cd);
    if (!done)
        return std::nullopt;
    out.resize(out.size() - toLeft);
    return out;
}

#endif

} // namespace core
