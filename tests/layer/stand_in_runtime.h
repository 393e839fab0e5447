#pragma once
// A runtime with no windows at all (stand_in_runtime.cpp): its side of each
// window and control holds what the layer's hooks told it, for the tests to
// read.
#include "layer/application.h"
#include "layer/controls.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct ui::Application::Impl {};

struct ui::Control::Impl {
    Control *member = nullptr;
    bool enabled = true;
    std::string text;
    std::vector<std::string> entries;
    int selection = -1;
    std::string folder, drive;
    std::vector<std::string> drives;
};

struct ui::Form::Impl {
    bool visible = false;
    std::string caption;
    std::map<std::string, std::unique_ptr<Control::Impl>> controls;
};

namespace standIn {

// How often the layer ended the event loop.
extern int loopEnds;

} // namespace standIn
