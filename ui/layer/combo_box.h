#pragma once
// The editable drop-down's rules, whatever draws it. Its selected-entry
// number is an entry or -1; the selection follows what the user types; the
// change event is for the user's doing only (runtime.h).
#include <functional>
#include <string>

namespace ui::combo {

// `n` when it is one of `count` entries, else -1: no entry.
int validEntry(int n, int count);

// The entry whose text is exactly `typed`, or -1: a text that only begins
// like an entry ("80" for "800") selects nothing.
int entryOfText(const std::string &typed, int count, const std::function<std::string(int)> &entryText);

} // namespace ui::combo
