#pragma once
// The folder tree list's rules, whatever draws it: its rows (the shared
// folder tree, one row per folder), their size, and what the user's open
// does.
#include "folder_tree.h"

#include <functional>

namespace ui::folder_list {

inline constexpr int kRowHeight = 16;
inline constexpr int kIndent = 10;  // per level

// The user opened `row` (a double click's second press, or Enter on the
// highlighted row): `open` makes its folder current and shows the list anew
// before the press, if any, is reported, so the press handler sees the new
// folder. A row that does not exist only reports the press.
void userOpens(const core::FolderTree &tree, int row, const std::function<void(int row)> &open,
               const std::function<void()> &reportPress);

} // namespace ui::folder_list
