#include "error_box.h"

#include "layer/application.h"

namespace {

ErrorSink &currentSink()
{
    static ErrorSink sink = ui::showErrorBox;
    return sink;
}

} // namespace

void showError(const std::string &message)
{
    currentSink()(message);
}

ErrorSink setErrorSink(ErrorSink sink)
{
    ErrorSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : ErrorSink(ui::showErrorBox);
    return previous;
}
