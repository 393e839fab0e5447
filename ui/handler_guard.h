#pragma once
// Every event handler runs inside this guard: an error that escapes it stops
// that handler only, is shown once in the error box, and the program goes on.
// No exception ever reaches the runtime's event dispatch.
#include <functional>
#include <utility>

void runGuarded(const std::function<void()> &handler);

// Wraps a handler for connecting to a signal: connect(b, &X::clicked, guarded([this] { ... }));
template <typename Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto &&...) { runGuarded(handler); };
}
