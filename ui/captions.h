#pragma once
// A window sets its texts from the language table as the caption table says,
// in the table's order; a missing line stops it there (ListIndexError).
#include "language_table.h"

class QWidget;

void applyCaptions(QWidget *window, const core::LanguageTable &table);
