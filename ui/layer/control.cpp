#include "controls.h"

namespace ui {

Control::Control(Form &form, const char *name, core::ControlKind kind) : form_(form), name_(name)
{
    if (form.layout().control(name_).kind != kind)
        throw core::LayoutError(form.layout().name + " lays out " + name_ + " as another kind of control");
    if (form.members_.count(name_))
        throw core::LayoutError(form.layout().name + " has two members for " + name_);
    impl_ = attach(form, *this);
    form.members_[name_] = this;
}

Control::~Control()
{
    form_.members_.erase(name_);
    detach(impl_);
}

Control &Form::control(const std::string &name) const
{
    const auto found = members_.find(name);
    if (found == members_.end())
        throw core::LayoutError(layout_.name + " has no member for " + name);
    return *found->second;
}

} // namespace ui
