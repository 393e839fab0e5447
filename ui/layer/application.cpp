#include "layer/application.h"

#include "layer/runtime.h"

namespace ui {

Application::Application(int &argc, char **argv, const std::string &title)
    : impl_(runtime::startApplication(argc, argv, title))
{
}

Application::~Application()
{
    runtime::stopApplication(impl_);
}

int Application::run()
{
    return runtime::runEventLoop();
}

void afterFirstFrame(Form &form, std::function<void()> work)
{
    runtime::afterFirstFrame(form, std::move(work));
}

void showErrorBox(const std::string &message)
{
    runtime::showErrorBox(message);
}

} // namespace ui
