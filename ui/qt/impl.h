#pragma once
// The Qt side of the component layer: a window is a QWidget that owns the
// widgets of its controls; each control's side knows its widget and the
// member that took it.
#include "layer/controls.h"

#include <QWidget>

#include <map>
#include <memory>
#include <string>

struct ui::Control::Impl {
    QWidget *widget = nullptr;
    Control *member = nullptr;  // none before a member takes it or after it is gone
};

struct ui::Form::Impl {
    QWidget *window = nullptr;  // deleted with the Form, and its widgets with it
    std::map<std::string, std::unique_ptr<Control::Impl>> controls;
};

// Makes the widget of one control in `window`, laid out and wired to the
// events of its member-to-be.
std::unique_ptr<ui::Control::Impl> makeControl(const core::ControlLayout &layout, QWidget *window);
