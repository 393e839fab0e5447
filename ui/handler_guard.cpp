#include "handler_guard.h"

#include "error_box.h"
#include "text.h"

#include <exception>

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        showError(toText(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unexpected error."));
    }
}
