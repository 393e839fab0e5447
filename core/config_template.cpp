#include "config_template.h"

#include "errors.h"

namespace core {

const std::string &ConfigTemplate::line(std::size_t n) const
{
    if (n >= lines_.size())
        throw ListIndexError(static_cast<long>(n));
    return lines_[n];
}

void ConfigTemplate::replace(std::size_t n, std::string text)
{
    if (n >= lines_.size())
        throw ListIndexError(static_cast<long>(n));
    lines_[n] = std::move(text);
}

} // namespace core
