#pragma once
// The core keeps texts as 8-bit strings exactly as read or written; Qt
// widgets hold QString. These are the only two crossings between them, and
// toBytes(toText(b)) == b for every b.
//
// Valid UTF-8 is shown as such. A byte that is not part of valid UTF-8 (a
// key exported on Windows holds Windows-1252) is shown as its Windows-1252
// character followed by an invisible mark, so that it comes back as that
// byte and not as the UTF-8 of the character.
#include <QString>
#include <string>

QString toText(const std::string &bytes);
std::string toBytes(const QString &text);
