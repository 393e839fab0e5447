#include "language_table.h"

#include "errors.h"
#include "whole_file.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#define DRAVOMEL_SSE2
#include <emmintrin.h>
#endif
#ifdef _MSC_VER
#include <intrin.h>
#endif

namespace core {

namespace {

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

#ifdef DRAVOMEL_SSE2
// Index of the lowest set bit of a non-zero mask.
unsigned lowestBit(unsigned mask)
{
#ifdef _MSC_VER
    unsigned long index;
    _BitScanForward(&index, mask);
    return index;
#else
    return static_cast<unsigned>(__builtin_ctz(mask));
#endif
}
#endif

// Calls onBreak(i) for each CR or LF at text[i], in order. On a large file
// this search is most of the work, so sixteen bytes are compared at once
// where the processor can.
template <typename OnBreak>
void forEachBreak(const char *text, std::size_t size, OnBreak onBreak)
{
    std::size_t i = 0;
#ifdef DRAVOMEL_SSE2
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
        const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf));
        for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1)
            onBreak(i + lowestBit(mask));
    }
#endif
    for (; i < size; ++i)
        if (isBreak(text[i]))
            onBreak(i);
}

// Where each line of `text` starts. A line ends at its first CR or LF; CR LF
// is one break, and a break at the very end starts no line.
std::vector<std::size_t> lineStarts(const std::string &text)
{
    const std::size_t size = text.size();
    std::vector<std::size_t> starts;
    std::size_t next = 0; // where the line after the last break starts
    if (size > 0)
        starts.push_back(0);
    forEachBreak(text.data(), size, [&](std::size_t b) {
        if (b < next)
            return; // the LF of a CR LF
        next = b + 1;
        if (text[b] == '\r' && next < size && text[next] == '\n')
            ++next;
        if (next < size)
            starts.push_back(next);
    });
    return starts;
}

// The line of `text` that starts at `start`.
std::string lineAt(const std::string &text, std::size_t start)
{
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(start);
    return std::string(begin, std::find_if(begin, text.end(), isBreak));
}

} // namespace

void LanguageTable::load(const std::string &path)
{
    text_.clear();
    starts_.clear();
    std::string text;
    if (readWholeFile(path, text) != ReadResult::Read)
        throw FileOpenError(path);
    text.resize(std::min(text.find('\0'), text.size()));
    std::vector<std::size_t> starts = lineStarts(text);
    text_.swap(text);
    starts_.swap(starts);
}

std::string LanguageTable::line(long n) const
{
    if (n < 0 || static_cast<std::size_t>(n) >= starts_.size())
        throw ListIndexError(n);
    return lineAt(text_, starts_[static_cast<std::size_t>(n)]);
}

std::vector<std::string> LanguageTable::splitLines(const std::string &text)
{
    const std::string cut = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    for (std::size_t start : lineStarts(cut))
        lines.push_back(lineAt(cut, start));
    return lines;
}

} // namespace core
