#include "private_cups.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#ifdef __linux__
#include <sys/prctl.h>

#include <csignal>
#endif

namespace projcalc::gui_test {
namespace {

// A port of 127.0.0.1 that nothing listens on right now.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

// The CUPS programs live in sbin folders that an ordinary user's PATH may lack.
QString findProgram(const QString& name) {
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    return found;
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

QString PrivateCups::outputFile() const {
    return dir_ ? path(QStringLiteral("out/printed.pdf")) : QString();
}

QString PrivateCups::scratchFolder() const {
    return dir_ ? path(QStringLiteral("scratch")) : QString();
}

bool PrivateCups::fail(const QString& why) {
    error_ = why + QStringLiteral("\n--- scheduler log ---\n") + log();
    return false;
}

QString PrivateCups::log() const {
    if (!dir_) return {};
    QFile file(path(QStringLiteral("log/error_log")));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(no log)");
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() > 60) lines = lines.mid(lines.size() - 60);
    QString text = lines.join(QLatin1Char('\n'));
    if (cupsd_) text += QString::fromLocal8Bit(cupsd_->readAllStandardError());
    return text;
}

bool PrivateCups::start(const QString& ppdPath) {
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty() || findProgram(QStringLiteral("lpadmin")).isEmpty())
        return fail(QStringLiteral("cupsd or lpadmin is missing: run scripts/install-deps.sh"));
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return fail(QStringLiteral("no temporary folder"));
    // The filters run as the scheduler's unprivileged user and must reach the spool.
    QFile::setPermissions(dir_->path(), QFile::permissions(dir_->path()) | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    for (const char* folder : {"conf", "spool/tmp", "cache", "state", "log", "out", "scratch"})
        QDir(dir_->path()).mkpath(QString::fromLatin1(folder));

    const int port = freePort();
    if (port == 0) return fail(QStringLiteral("no free port on 127.0.0.1"));
    server_ = QStringLiteral("127.0.0.1:%1").arg(port);

    // Anyone on 127.0.0.1 may do anything, without authentication: only this test talks to it.
    const QString conf = QStringLiteral(
                             "Listen %1\n"
                             "LogLevel debug\n"
                             "Browsing No\n"
                             "WebInterface No\n"
                             "DefaultAuthType None\n"
                             "DefaultPolicy open\n"
                             "<Location />\n  Order allow,deny\n  Allow 127.0.0.1\n</Location>\n"
                             "<Policy open>\n  <Limit All>\n    Order deny,allow\n"
                             "  </Limit>\n</Policy>\n")
                             .arg(server_);
    // Every folder the scheduler writes to is ours. FileDevice lets a queue write its output to
    // a file named by a file: device URI.
    const QString files = QStringLiteral(
                              "FileDevice Yes\n"
                              "ServerRoot %1/conf\n"
                              "RequestRoot %1/spool\n"
                              "TempDir %1/spool/tmp\n"
                              "CacheDir %1/cache\n"
                              "StateDir %1/state\n"
                              "AccessLog %1/log/access_log\n"
                              "ErrorLog %1/log/error_log\n"
                              "PageLog %1/log/page_log\n"
                              "Printcap %1/printcap\n"
                              "SystemGroup root\n")
                              .arg(dir_->path());
    if (!writeFile(path(QStringLiteral("conf/cupsd.conf")), conf) ||
        !writeFile(path(QStringLiteral("conf/cups-files.conf")), files)) {
        return fail(QStringLiteral("cannot write the scheduler's configuration"));
    }

    cupsd_ = std::make_unique<QProcess>();
#ifdef __linux__
    // A test process that crashes takes its scheduler with it.
    cupsd_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    cupsd_->start(
        cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("conf/cupsd.conf")),
                QStringLiteral("-s"), path(QStringLiteral("conf/cups-files.conf"))});
    if (!cupsd_->waitForStarted(5000))
        return fail(QStringLiteral("cupsd did not start: ") + cupsd_->errorString());

    const QDeadlineTimer ready(15000);
    QString status;
    while (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &status) ||
           !status.contains(QStringLiteral("is running"))) {
        if (cupsd_->state() != QProcess::Running)
            return fail(
                QStringLiteral("cupsd ended at start (exit code %1)").arg(cupsd_->exitCode()));
        if (ready.hasExpired()) return fail(QStringLiteral("cupsd did not answer on ") + server_);
        QThread::msleep(100);
    }

    const QString queue = QString::fromLatin1(kQueue);
    if (!run(QStringLiteral("lpadmin"),
             {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
              QStringLiteral("file://") + outputFile(), QStringLiteral("-P"), ppdPath}) ||
        !run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue})) {
        return false;
    }
    return true;
}

void PrivateCups::stop() {
    if (!cupsd_ || cupsd_->state() == QProcess::NotRunning) return;
    cupsd_->terminate();
    if (!cupsd_->waitForFinished(5000)) {
        cupsd_->kill();
        cupsd_->waitForFinished(2000);
    }
}

bool PrivateCups::run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server_);
    process.setProcessEnvironment(environment);
    process.start(findProgram(program), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return fail(QStringLiteral("%1 %2 failed: %3")
                        .arg(program, arguments.join(QLatin1Char(' ')),
                             QString::fromLocal8Bit(process.readAllStandardError())));
    }
    if (output != nullptr) *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

bool PrivateCups::waitForCompletedJobs(int jobs, int timeoutMs) {
    const QString queue = QString::fromLatin1(kQueue);
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        QString pending;
        QString completed;
        if (run(QStringLiteral("lpstat"),
                {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o"),
                 queue},
                &pending) &&
            run(QStringLiteral("lpstat"),
                {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue},
                &completed) &&
            pending.trimmed().isEmpty() &&
            completed.trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() >= jobs) {
            return true;
        }
        if (deadline.hasExpired()) {
            return fail(QStringLiteral("the job did not complete in time; pending: ") + pending +
                        QStringLiteral(" completed: ") + completed);
        }
        QThread::msleep(200);
    }
}

}  // namespace projcalc::gui_test
