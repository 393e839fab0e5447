#pragma once
// Drop-down list entries as tall as their font needs, with room above and
// below the text, whatever the window's style sheet or the list's style.
class QComboBox;

void giveEntriesRoomForTheirText(QComboBox *box);
