#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace projcalc::app {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int writeEnd = -1;

extern "C" void onTerminationSignal(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    (void)!::write(writeEnd, &number, 1);
    errno = savedErrno;
}

}  // namespace

bool TerminationSignals::install(QObject* parent, std::function<void(int)> onSignal) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "projcalc: termination signals cannot be handled: %s\n",
                     std::strerror(errno));
        return false;
    }
    writeEnd = ends[1];
    new TerminationSignals(parent, ends[0], std::move(onSignal));
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
    return true;
}

void TerminationSignals::endBy(int signal) {
    std::fflush(nullptr);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    std::_Exit(128 + signal);  // only if the signal is blocked
}

TerminationSignals::TerminationSignals(QObject* parent, int readEnd,
                                       std::function<void(int)> onSignal)
    : QObject(parent),
      notifier_(new QSocketNotifier(readEnd, QSocketNotifier::Read, this)),
      readEnd_(readEnd),
      onSignal_(std::move(onSignal)) {
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
}

void TerminationSignals::onReadable() {
    unsigned char number = 0;
    if (::read(readEnd_, &number, 1) == 1) onSignal_(number);
}

}  // namespace projcalc::app
