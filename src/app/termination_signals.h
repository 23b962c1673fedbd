#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace projcalc::app {

// SIGTERM, SIGINT and SIGHUP, turned into a call from the event loop. The signal handler only
// writes the signal's number into a pipe (no Qt call is safe there); a notifier on the pipe's
// other end calls `onSignal`, also from inside message boxes and dialogs, which run their own
// event loops.
class TerminationSignals : public QObject {
  public:
    // Installs the handlers; false, with the reason on standard error, when no pipe can be made
    // (the signals then end the program as they would without handlers).
    [[nodiscard]] static bool install(QObject* parent, std::function<void(int signal)> onSignal);

    // Ends the process for a signal the way the signal itself would have ended it.
    [[noreturn]] static void endBy(int signal);

  private:
    TerminationSignals(QObject* parent, int readEnd, std::function<void(int)> onSignal);
    void onReadable();

    QSocketNotifier* notifier_;
    int readEnd_;
    std::function<void(int)> onSignal_;
};

}  // namespace projcalc::app
