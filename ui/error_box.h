#pragma once
// Where an error that stopped a handler is shown. By default the runtime's
// standard error box (ui::showErrorBox); tests swap in a sink that records
// instead.
#include <functional>
#include <string>

using ErrorSink = std::function<void(const std::string &message)>;

void showError(const std::string &message);

// Replaces the sink (none: the error box again) and returns the previous one.
ErrorSink setErrorSink(ErrorSink sink);
