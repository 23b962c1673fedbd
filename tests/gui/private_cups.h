#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace projcalc::gui_test {

// A CUPS scheduler of the test's own: its configuration, spool, cache, state, logs and output
// all live in one temporary folder, and it listens on a free port of 127.0.0.1 only, so that it
// touches nothing of the machine's printing. It has one queue, kQueue, that is its default and
// writes every job as a PDF file (outputFile). The scheduler is stopped when this object goes,
// and also when the test process dies.
class PrivateCups {
  public:
    static constexpr const char* kQueue = "projcalc-test-pdf";

    PrivateCups() = default;
    ~PrivateCups() { stop(); }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Starts the scheduler and adds the queue, using the printer description `ppdPath`. False,
    // with what went wrong (and the scheduler's log) in error(), when that fails.
    [[nodiscard]] bool start(const QString& ppdPath);
    void stop();

    // "127.0.0.1:port": the value of CUPS_SERVER that points clients at this scheduler.
    [[nodiscard]] QString server() const { return server_; }
    // Where the queue writes a printed job.
    [[nodiscard]] QString outputFile() const;
    // A folder for the test's own files, such as a HOME without print settings.
    [[nodiscard]] QString scratchFolder() const;
    [[nodiscard]] const QString& error() const { return error_; }

    // Waits until the queue has completed `jobs` jobs and none is pending. False on timeout or
    // when a job stopped or was aborted.
    [[nodiscard]] bool waitForCompletedJobs(int jobs, int timeoutMs);

    // Runs a CUPS command against this scheduler; its output, or nothing (and error()) on failure.
    [[nodiscard]] bool run(const QString& program, const QStringList& arguments,
                           QString* output = nullptr);

  private:
    [[nodiscard]] bool fail(const QString& why);
    [[nodiscard]] QString path(const QString& name) const { return dir_->filePath(name); }
    [[nodiscard]] QString log() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> cupsd_;
    QString server_;
    QString error_;
};

}  // namespace projcalc::gui_test
