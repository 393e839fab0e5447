#pragma once
// What a settings window holds when it opens, before the user changes
// anything. The windows and the command line start from the same values.
#include "config_writer.h"

#include <string>
#include <vector>

namespace core {

Cps3Choices cps3Presets(const std::string &emulatorFolder);
Model2Choices model2Presets(const std::string &emulatorFolder);

// The sizes the CPS3 window's resolution lists offer (the entries of its
// layout's width and height lists), paired by entry number.
struct FullScreenSize {
    std::string width;
    std::string height;
};
std::vector<FullScreenSize> fullScreenSizes();

} // namespace core
