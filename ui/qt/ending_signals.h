#pragma once
// Linux's polite endings: SIGTERM (the desktop session ends), SIGHUP (the
// terminal closed) and SIGINT (Ctrl+C) are read as events of the loop, which
// then asks the windows to end (ui::endPolitely). No signal handler runs, so
// nothing is done inside one. A second signal while ending ends at once.
class QSocketNotifier;

class EndingSignals {
public:
    // Holds the signals back in this thread, and so in every thread the
    // runtime starts after it: made before the runtime's application.
    EndingSignals();
    ~EndingSignals();
    EndingSignals(const EndingSignals &) = delete;
    EndingSignals &operator=(const EndingSignals &) = delete;

    // Once the application exists: a signal from here on is an event.
    void listen();

private:
    void take();

    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
};
