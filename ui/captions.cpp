#include "captions.h"

#include "caption_table.h"
#include "layer/controls.h"

void applyCaptions(ui::Form &window, const core::LanguageTable &table)
{
    using core::Caption;
    for (const Caption &c : core::captionsOf(window.layout().name)) {
        if (c.kind == Caption::WindowCaption) {
            window.setCaption(table.line(c.line));
            continue;
        }
        ui::Control &control = window.control(c.control);
        if (c.kind == Caption::Entries) {
            // Entry 0 first: a missing second line leaves entry 1 as it was.
            auto &list = static_cast<ui::ComboBox &>(control);
            list.setItem(0, table.line(c.line));
            list.setItem(1, table.line(c.second));
            continue;
        }
        std::string text = table.line(c.line);
        if (c.kind == Caption::Title)
            text += table.line(c.second);
        // Each member took a control of its layout's kind.
        if (window.layout().control(c.control).kind == core::ControlKind::Label)
            static_cast<ui::Label &>(control).setText(text);
        else
            static_cast<ui::Button &>(control).setText(text);
    }
}
