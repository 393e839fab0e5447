#pragma once
// The emulators are Windows programs; on Linux they run under Wine, whose
// ANSI functions read "EMULATOR.INI" in the ANSI code page of the user's
// locale. Texts typed or picked here are UTF-8, so they are converted first.
#include <optional>
#include <string>

namespace core {

// The ANSI code page Wine gives a POSIX locale name, as a number:
// "fr_FR.UTF-8" -> "1252", "ru_RU" -> "1251", "C" -> "1252".
std::string codePageOfLocale(const std::string &locale);

// The code page the emulators read: DRAVOMEL_CODEPAGE when set (for a Wine
// prefix set up another way), else that of LC_ALL, LC_CTYPE or LANG.
std::string emulatorCodePage();

// Why texts cannot be written in `codePage` here, naming where it was chosen
// (DRAVOMEL_CODEPAGE or the locale); empty when they can.
std::string codePageProblem(const std::string &codePage);

// `text` in `codePage` ("1252"; "65001" is UTF-8 itself). A text that is not
// valid UTF-8 is taken as already in the code page and comes back unchanged.
// Nothing when the code page cannot hold a character of it, or is unknown.
// On Windows texts already are in the system code page: always unchanged.
std::optional<std::string> toCodePage(const std::string &text, const std::string &codePage);

#ifdef _WIN32
// A text of the system code page, in which the Windows program keeps its
// texts, in UTF-16 for Windows' wide functions, and back.
std::wstring wideFromSystem(const std::string &text);
std::string systemFromWide(const std::wstring &text);
#endif

} // namespace core
