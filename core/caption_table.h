#pragma once
// Where each line of the language file is shown. A text is known only by its
// line number, so this map is what tells a translator what a line is for.
#include <vector>

namespace core {

struct CaptionUse {
    long line;
    const char *window; // "Main", "Picker", "CPS3" or "Model 2"
    const char *control;
    const char *role;
};

// A complete language file has at least this many lines. The lines no use
// names are never shown but keep the numbering of the others.
inline constexpr long kLanguageLinesUsed = 50;

// Every use, sorted by line number.
const std::vector<CaptionUse> &captionTable();

} // namespace core
