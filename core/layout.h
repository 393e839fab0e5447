#pragma once
// A window's layout as data: the kind, name, place and look of each of its
// controls, read by both component runtimes to build the same window.
// Positions and sizes are client pixels on a screen of 96 dots per inch;
// texts are bytes (UTF-8 in the layout sources).
#include "errors.h"

#include <string>
#include <vector>

namespace core {

enum class ControlKind {
    Image,             // picture area: draws its picture, if any, and catches clicks
    Label,
    Button,            // push button
    BitBtn,            // button with its picture above its text
    ComboBox,          // editable drop-down
    DirectoryListBox,  // folder tree list
    DriveComboBox,     // drive drop-down
    Bevel,             // lowered frame or line; takes no input
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Colour {
    unsigned char red = 255, green = 255, blue = 255;
};

// Always Tahoma (or its stand-in), at a character height in pixels.
struct Font {
    int pixelSize = 11;
    bool bold = false;
    bool underline = false;
};

struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::string name;  // "Label10", "ComboBox5": also the window's member name
    Rect bounds;       // a self-sizing label uses only its left and top
    std::string text;  // initial text of a label or button
    Font font;         // the window's font unless the layout gives another
    Colour colour;     // label text; white unless the layout gives another
    bool autoSize = false;    // label: sizes itself to its text,
    int maxWidth = 0;         // but no wider than this; 0 for no limit
    bool centred = false;     // label: text centred in its bounds
    bool enabled = true;
    bool handCursor = false;  // the pointer becomes a hand over it
    // Drop-down entries and the selected one; -1 when none is.
    std::vector<std::string> items;
    int itemIndex = -1;
    // Image and BitBtn: an art name such as "cps3_emblem" (resources/art/
    // cps3_emblem.png); empty for an area that draws nothing.
    std::string picture;
    bool transparent = false;  // the colour of the picture's bottom-left pixel is not drawn
    bool stretch = false;      // the picture is scaled to the bounds
    bool bottomLineOnly = false;  // bevel: only its bottom edge instead of a box
};

struct FormLayout {
    std::string name;     // "TForm1" ... "TForm4"
    std::string caption;  // the window caption
    int clientWidth = 0, clientHeight = 0;
    // Skinned: frameless, lime (0, 255, 0) as window and transparency
    // colour, shaped by the picture of the control named by `background`,
    // with the drag strip. Otherwise a fixed-size dialog with a frame, title
    // bar and close box, in the face colour of ordinary dialogs.
    bool skinned = false;
    std::string background;  // "Image1"; skinned windows only
    int opacity = 255;       // whole-window opacity, of 255
    Font font;
    // Bottom first: a control is drawn over those before it.
    std::vector<ControlLayout> controls;
    // The controls that take the focus, in tab order; when the window
    // becomes active the focus goes to the first.
    std::vector<std::string> tabOrder;

    // Throws LayoutError when no control has that name.
    const ControlLayout &control(const std::string &name) const;
};

// A layout text that cannot be read, or a control that is not there.
class LayoutError : public Error {
public:
    using Error::Error;
};

// The layouts built into the program, by window class name ("TForm1" ...
// "TForm4"), each read once when first asked for.
const FormLayout &formLayout(const std::string &name);

// Reads one layout from its text (the format is described in
// resources/forms/README.md); throws LayoutError naming the line.
FormLayout parseLayout(const std::string &text);

} // namespace core
