#include "layer/label.h"

#include <algorithm>

namespace ui {

LabelFit fitLabel(const core::ControlLayout &layout, int textWidth, int textHeight)
{
    LabelFit fit{layout.bounds.width, layout.bounds.height, false};
    if (layout.autoSize) {
        fit.width = layout.maxWidth > 0 ? std::min(textWidth, layout.maxWidth) : textWidth;
        fit.height = textHeight;
    }
    fit.shortened = isShortened(textWidth, fit.width);
    return fit;
}

} // namespace ui
