#include "layout.h"

#include <cstdlib>
#include <tuple>
#include <utility>

namespace core {

namespace {

struct Kind {
    const char *word;
    ControlKind kind;
};

const Kind kKinds[] = {
    {"Image", ControlKind::Image},
    {"Label", ControlKind::Label},
    {"Button", ControlKind::Button},
    {"BitBtn", ControlKind::BitBtn},
    {"ComboBox", ControlKind::ComboBox},
    {"DirectoryListBox", ControlKind::DirectoryListBox},
    {"DriveComboBox", ControlKind::DriveComboBox},
    {"Bevel", ControlKind::Bevel},
};

// One line of a layout, taken apart word by word.
class LineReader {
public:
    LineReader(const std::string &line, int number) : number_(number)
    {
        // Words are split at spaces; a double-quoted part, which may hold
        // spaces, \" and \\, belongs to its word.
        std::string word;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            char c = line[i];
            if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
                if (!word.empty())
                    words_.push_back(std::exchange(word, {}));
                continue;
            }
            if (c == '"') {
                quoted = !quoted;
            } else if (quoted && c == '\\' && i + 1 < line.size()) {
                word += c;  // kept for list(), which takes the escapes out
                c = line[++i];
            }
            word += c;
        }
        if (quoted)
            fail("a quote is not closed");
        if (!word.empty())
            words_.push_back(word);
    }

    const std::vector<std::string> &words() const { return words_; }

    [[noreturn]] void fail(const std::string &what) const
    {
        throw LayoutError("layout line " + std::to_string(number_) + ": " + what);
    }

    int number(const std::string &text) const
    {
        char *end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0')
            fail("'" + text + "' is not a number");
        return static_cast<int>(value);
    }

    // "WxH" as width and height.
    std::pair<int, int> size(const std::string &text) const
    {
        const std::size_t x = text.find('x');
        if (x == std::string::npos)
            fail("'" + text + "' is not a size such as 75x25");
        return {number(text.substr(0, x)), number(text.substr(x + 1))};
    }

    // Comma-separated parts of `text`, each unquoted when quoted.
    std::vector<std::string> list(const std::string &text) const
    {
        std::vector<std::string> parts{""};
        bool quoted = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"')
                quoted = !quoted;
            else if (quoted && text[i] == '\\')
                parts.back() += text[++i];
            else if (!quoted && text[i] == ',')
                parts.emplace_back();
            else
                parts.back() += text[i];
        }
        return parts;
    }

    std::string text(const std::string &value) const
    {
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            fail("'" + value + "' is not a quoted text");
        return list(value).front();
    }

private:
    int number_;
    std::vector<std::string> words_;
};

void readFormAttribute(const LineReader &line, const std::string &name, const std::string &value,
                       FormLayout &form)
{
    if (name == "skinned") {
        form.skinned = true;
        form.background = value;
    } else if (name == "dialog") {
        form.skinned = false;
    } else if (name == "opacity") {
        form.opacity = line.number(value);
    } else if (name == "caption") {
        form.caption = line.text(value);
    } else if (name == "size") {
        form.font.pixelSize = line.number(value);
    } else {
        line.fail("a window has no '" + name + "'");
    }
}

void readControlAttribute(const LineReader &line, const std::string &name, const std::string &value,
                          ControlLayout &control)
{
    if (name == "text") {
        control.text = line.text(value);
    } else if (name == "size") {
        control.font.pixelSize = line.number(value);
    } else if (name == "bold") {
        control.font.bold = true;
    } else if (name == "underline") {
        control.font.underline = true;
    } else if (name == "colour") {
        const std::vector<std::string> rgb = line.list(value);
        if (rgb.size() != 3)
            line.fail("a colour is red,green,blue");
        control.colour = {static_cast<unsigned char>(line.number(rgb[0])),
                          static_cast<unsigned char>(line.number(rgb[1])),
                          static_cast<unsigned char>(line.number(rgb[2]))};
    } else if (name == "centred") {
        control.centred = true;
    } else if (name == "disabled") {
        control.enabled = false;
    } else if (name == "hand") {
        control.handCursor = true;
    } else if (name == "items") {
        control.items = line.list(value);
    } else if (name == "maxwidth") {
        control.maxWidth = line.number(value);
    } else if (name == "index") {
        control.itemIndex = line.number(value);
    } else if (name == "picture") {
        control.picture = value;
    } else if (name == "transparent") {
        control.transparent = true;
    } else if (name == "stretch") {
        control.stretch = true;
    } else if (name == "bottomline") {
        control.bottomLineOnly = true;
    } else {
        line.fail("a control has no '" + name + "'");
    }
}

// Calls `read` with the name and value of each "name=value" or "flag" word
// from `first` on.
template <typename Read>
void readAttributes(const LineReader &line, std::size_t first, Read read)
{
    for (std::size_t i = first; i < line.words().size(); ++i) {
        const std::string &word = line.words()[i];
        const std::size_t equals = word.find('=');
        read(word.substr(0, equals), equals == std::string::npos ? "" : word.substr(equals + 1));
    }
}

ControlLayout readControl(const LineReader &line, const FormLayout &form)
{
    const std::vector<std::string> &words = line.words();
    ControlLayout control;
    bool known = false;
    for (const Kind &kind : kKinds)
        if (words[0] == kind.word)
            control.kind = kind.kind, known = true;
    if (!known)
        line.fail("no control kind '" + words[0] + "'");
    if (words.size() < 4)
        line.fail("a control needs a kind, a name, left,top and a size");
    control.name = words[1];
    const std::vector<std::string> at = line.list(words[2]);
    if (at.size() != 2)
        line.fail("a place is left,top");
    control.bounds.left = line.number(at[0]);
    control.bounds.top = line.number(at[1]);
    if (words[3] == "auto")
        control.autoSize = true;
    else
        std::tie(control.bounds.width, control.bounds.height) = line.size(words[3]);
    control.font = form.font;
    readAttributes(line, 4, [&](const std::string &name, const std::string &value) {
        readControlAttribute(line, name, value, control);
    });
    return control;
}

} // namespace

// The files of resources/forms/, built into the program (layout_sources.cpp.in).
extern const char *const kLayoutSources[];
extern const std::size_t kLayoutSourceCount;

const FormLayout &formLayout(const std::string &name)
{
    static const std::vector<FormLayout> layouts = [] {
        std::vector<FormLayout> all;
        for (std::size_t i = 0; i < kLayoutSourceCount; ++i)
            all.push_back(parseLayout(kLayoutSources[i]));
        return all;
    }();
    for (const FormLayout &layout : layouts)
        if (layout.name == name)
            return layout;
    throw LayoutError("no window is laid out as " + name);
}

const ControlLayout &FormLayout::control(const std::string &controlName) const
{
    for (const ControlLayout &c : controls)
        if (c.name == controlName)
            return c;
    throw LayoutError(name + " has no control " + controlName);
}

FormLayout parseLayout(const std::string &text)
{
    FormLayout form;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const LineReader line(text.substr(start, end - start), ++number);
        start = end + 1;
        const std::vector<std::string> &words = line.words();
        if (words.empty() || words[0][0] == '#')
            continue;
        if (words[0] == "form") {
            if (words.size() < 3)
                line.fail("a window needs a name and a size");
            form.name = words[1];
            std::tie(form.clientWidth, form.clientHeight) = line.size(words[2]);
            readAttributes(line, 3, [&](const std::string &name, const std::string &value) {
                readFormAttribute(line, name, value, form);
            });
        } else if (form.name.empty()) {
            line.fail("the window comes first");
        } else if (words[0] == "tabs") {
            form.tabOrder.assign(words.begin() + 1, words.end());
        } else {
            form.controls.push_back(readControl(line, form));
        }
    }
    if (form.name.empty())
        throw LayoutError("a layout without a window");
    return form;
}

} // namespace core
