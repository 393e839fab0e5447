#include "layer/controls.h"

#include "layer/runtime.h"

namespace ui {

Control::Control(Form &form, const char *name, core::ControlKind kind)
    : form_(form), name_(name), enabled_(form.layout().control(name_).enabled)
{
    if (form.layout().control(name_).kind != kind)
        throw core::LayoutError(form.layout().name + " lays out " + name_ + " as another kind of control");
    if (form.members_.count(name_))
        throw core::LayoutError(form.layout().name + " has two members for " + name_);
    impl_ = runtime::findControl(form, name_);
    runtime::bindControl(*impl_, this);
    form.members_[name_] = this;
}

Control::~Control()
{
    form_.members_.erase(name_);
    runtime::bindControl(*impl_, nullptr);
}

void Control::setEnabled(bool on)
{
    enabled_ = on;
    runtime::setControlEnabled(*impl_, on);
}

bool Control::isEnabled() const
{
    return enabled_;
}

void Label::setText(const std::string &text)
{
    runtime::setLabelText(impl(), text);
}

std::string Label::text() const
{
    return runtime::labelText(impl());
}

void Button::setText(const std::string &text)
{
    runtime::setButtonText(impl(), text);
}

std::string Button::text() const
{
    return runtime::buttonText(impl());
}

} // namespace ui
