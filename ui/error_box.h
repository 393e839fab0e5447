#pragma once
// Where an error that stopped a handler is shown. By default a critical
// message box titled "Dravomel"; tests swap in a sink that records instead.
#include <QString>
#include <functional>

using ErrorSink = std::function<void(const QString &message)>;

void showError(const QString &message);

// Replaces the sink and returns the previous one.
ErrorSink setErrorSink(ErrorSink sink);
