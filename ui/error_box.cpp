#include "error_box.h"

#include <QMessageBox>

namespace {

void showMessageBox(const QString &message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Dravomel"), message);
}

ErrorSink &currentSink()
{
    static ErrorSink sink = showMessageBox;
    return sink;
}

} // namespace

void showError(const QString &message)
{
    currentSink()(message);
}

ErrorSink setErrorSink(ErrorSink sink)
{
    ErrorSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : ErrorSink(showMessageBox);
    return previous;
}
