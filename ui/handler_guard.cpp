#include "handler_guard.h"

#include "error_box.h"

#include <exception>

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        showError(e.what());
    } catch (...) {
        showError("Unexpected error.");
    }
}
