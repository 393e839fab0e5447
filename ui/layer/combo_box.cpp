#include "layer/combo_box.h"

#include "layer/runtime.h"

namespace ui {

int combo::validEntry(int n, int count)
{
    return n >= 0 && n < count ? n : -1;
}

int combo::entryOfText(const std::string &typed, int count, const std::function<std::string(int)> &entryText)
{
    for (int n = 0; n < count; ++n)
        if (entryText(n) == typed)
            return n;
    return -1;
}

void ComboBox::setItem(int n, const std::string &text)
{
    if (combo::validEntry(n, runtime::comboEntryCount(impl())) < 0)
        throw core::ListIndexError(n);
    runtime::setComboEntry(impl(), n, text);
}

int ComboBox::itemIndex() const
{
    return runtime::comboSelection(impl());
}

void ComboBox::setItemIndex(int n)
{
    runtime::setComboSelection(impl(), combo::validEntry(n, runtime::comboEntryCount(impl())));
}

std::string ComboBox::text() const
{
    return runtime::comboText(impl());
}

} // namespace ui
