#include "ending_signals.h"

#include "layer/application.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

sigset_t endingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        sigaddset(&set, number);
    return set;
}

} // namespace

EndingSignals::EndingSignals()
{
    const sigset_t set = endingSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

EndingSignals::~EndingSignals()
{
    if (fd_ >= 0)
        close(fd_);
}

void EndingSignals::listen()
{
    if (fd_ < 0)
        return;  // the signals keep their default: they end the program at once
    // It goes with the application, before the descriptor closes.
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { take(); });
}

void EndingSignals::take()
{
    signalfd_siginfo info;
    if (read(fd_, &info, sizeof info) != sizeof info)
        return;
    notifier_->setEnabled(false);
    // From now on a signal takes its default course in this thread, the only
    // one that lets it through: the program ends at once. One that came with
    // this one does so here.
    const sigset_t set = endingSignals();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ui::endPolitely();
}
