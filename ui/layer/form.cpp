#include "layer/form.h"

#include "handler_guard.h"
#include "layer/runtime.h"

namespace ui {

namespace {

// The first window made while no other lives is the main window.
int &liveForms()
{
    static int count = 0;
    return count;
}

} // namespace

Form::Form(const char *layoutName)
    : layout_(core::formLayout(layoutName)), main_(liveForms() == 0), impl_(runtime::makeForm(*this))
{
    ++liveForms();
}

Form::~Form()
{
    runtime::destroyForm(impl_);
    --liveForms();
}

void Form::show()
{
    runtime::showForm(*this);
}

void Form::hide()
{
    runtime::hideForm(*impl_);
}

bool Form::isVisible() const
{
    return runtime::isFormVisible(*impl_);
}

void Form::close()
{
    if (onClose)
        runGuarded(onClose);
    // The program ends even when the close handler failed: the error has
    // been shown, and refusing to quit would trap the user.
    hide();
    if (main_)
        runtime::endEventLoop();
}

void Form::setCaption(const std::string &text)
{
    runtime::setFormCaption(*impl_, text);
}

std::string Form::caption() const
{
    return runtime::formCaption(*impl_);
}

int Form::clientWidth() const
{
    return runtime::formClientWidth(*impl_);
}

int Form::dpi() const
{
    return runtime::formDpi(*impl_);
}

Control &Form::control(const std::string &name) const
{
    const auto found = members_.find(name);
    if (found == members_.end())
        throw core::LayoutError(layout_.name + " has no member for " + name);
    return *found->second;
}

} // namespace ui
