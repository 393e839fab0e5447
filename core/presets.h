#pragma once
// What a settings window holds when it opens, before the user changes
// anything. The windows and the command line start from the same values.
#include "config_writer.h"

#include <string>

namespace core {

Cps3Choices cps3Presets(const std::string &emulatorFolder);
Model2Choices model2Presets(const std::string &emulatorFolder);

// The sizes the CPS3 resolution lists offer, width and height paired by
// entry number.
struct FullScreenSize {
    const char *width;
    const char *height;
};
inline constexpr FullScreenSize kFullScreenSizes[] = {
    {"640", "480"}, {"800", "600"}, {"1024", "768"}, {"1152", "864"}, {"1280", "1024"},
};

} // namespace core
