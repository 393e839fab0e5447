#pragma once
// Every event handler runs inside this guard: an error that escapes it stops
// that handler only, is shown once in the error box, and the program goes on.
// No exception ever reaches the runtime's event dispatch.
#include <functional>

void runGuarded(const std::function<void()> &handler);
