#include "text.h"

namespace {

// COMBINING GRAPHEME JOINER: drawn as nothing, and as a combining mark it
// stays with the character it follows. The same character read from valid
// UTF-8 is itself taken as stray bytes, so a mark always means a stray byte.
constexpr char16_t kStrayByteMark = 0x034F;

// Windows-1252 from 0x80 to 0x9F; its five unassigned bytes map to the C1
// control of the same number, as Windows itself maps them. 0xA0 and up are
// the Latin-1 characters of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t cp1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

// The byte whose Windows-1252 character is `c`, or -1 when no stray byte
// shows as `c` (ASCII bytes are never stray).
int cp1252Byte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

// Length of the valid UTF-8 sequence at `at` and its code point, or 0 when
// the bytes there are not one (overlong forms, surrogates and code points
// past U+10FFFF are not).
int utf8Sequence(const std::string &bytes, std::size_t at, char32_t &codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    int length;
    char32_t min;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < std::size_t(length))
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString toText(const std::string &bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t codePoint;
        const int length = utf8Sequence(bytes, at, codePoint);
        if (length > 0 && codePoint != kStrayByteMark) {
            text += QString::fromUcs4(&codePoint, 1);
            at += length;
        } else {
            text += QChar(cp1252Char(static_cast<unsigned char>(bytes[at])));
            text += QChar(kStrayByteMark);
            ++at;
        }
    }
    return text;
}

std::string toBytes(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const int stray = i + 1 < text.size() && text[i + 1] == QChar(kStrayByteMark)
            ? cp1252Byte(text[i].unicode())
            : -1;
        if (stray >= 0) {
            bytes += static_cast<char>(stray);
            i += 2;
        } else {
            // One character, both halves of a surrogate pair together.
            const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size()
                    && text[i + 1].isLowSurrogate() ? 2 : 1;
            bytes += text.mid(i, units).toStdString();
            i += units;
        }
    }
    return bytes;
}
