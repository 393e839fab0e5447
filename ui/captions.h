#pragma once
// A window sets its texts from the language table as the caption table says,
// in the table's order; a missing line stops it there (ListIndexError).
#include "language_table.h"
#include "layer/form.h"

void applyCaptions(ui::Form &window, const core::LanguageTable &table);
