#pragma once
// Which language line each control shows. A text is known only by its line
// number, so this table is what the windows set their texts from and what
// tells a translator what a line is for (check-language).
#include <string>
#include <vector>

namespace core {

struct Caption {
    enum Kind {
        WindowCaption,  // the window's caption, from `line`
        Text,           // a label's or button's text, from `line`
        Title,          // a label's text: `line` followed directly by `second`
        Entries,        // a choice list: entry 0 from `line`, then entry 1 from `second`
    };
    Kind kind;
    const char *control;  // "Label4", "ComboBox1"; "window caption" for WindowCaption
    long line;
    long second;  // -1 for WindowCaption and Text
    const char *role;
};

struct WindowCaptions {
    const char *layout;  // the window's layout, "TForm1" ... "TForm4"
    const char *window;  // as a translator knows it: "Main", "Picker", "CPS3", "Model 2"
    // In the order the window sets them: the main window at start-up, the
    // picker each time the main window shows it, a settings window as it
    // opens. A missing line stops the window there.
    std::vector<Caption> captions;
};

// A complete language file has at least this many lines. The lines no
// caption names are never shown but keep the numbering of the others.
inline constexpr long kLanguageLinesUsed = 50;

// The four windows: main, picker, CPS3, Model 2.
const std::vector<WindowCaptions> &captionTable();

// The captions of the window whose layout is `layout`; none for another.
const std::vector<Caption> &captionsOf(const std::string &layout);

// Where line n is shown, one entry per use: "CPS3 ComboBox1 (ForceSync
// entry 0)"; none when it is never shown.
std::vector<std::string> usesOfLine(long n);

} // namespace core
