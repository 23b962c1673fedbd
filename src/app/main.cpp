// projcalc: the Projection Distance Calculator window.
//
//   projcalc [--data-dir DIR] [FILE]
//
// One copy runs per user. A later start hands its FILE to the running copy, which opens it and
// comes to the front, and ends; without a FILE it just ends.
#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/channel_module.h"
#include "app/first_paint_exit.h"
#include "app/single_instance.h"
#include "app/title_report.h"
#include "app/window_requests.h"
#include "core/data_folder.h"
#include "ui/main_window.h"
#include "ui/program_style.h"

namespace {

constexpr int kExitUsage = 2;
// How long a later start keeps trying to reach a copy that is still starting up or ending.
constexpr int kHandOverMs = 10000;
constexpr int kHandOverRetryMs = 100;
// How long after the event loop starts the running copy begins to listen for later starts.
constexpr int kListenDelayMs = 100;

constexpr const char* kDescription =
    "Projection Distance Calculator: works out projection distance, screen diagonal,\n"
    "image width and height, and the lens-to-image offsets of a video projector.\n"
    "\n"
    "One copy runs per user. Started again with a FILE, it hands the file to the\n"
    "running copy, which opens it and comes to the front; without a FILE it ends.\n"
    "\n"
    "The catalogue (ModelInfo.ini) and the language file (Language.ini) are read\n"
    "from --data-dir DIR; without it from $XDG_DATA_HOME/projcalc (else\n"
    "~/.local/share/projcalc) when that holds a ModelInfo.ini, else from the\n"
    "program's own folder when it holds one, else from <program folder>/../share/projcalc.";

std::filesystem::path toPath(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

// --help and --version print and end without a display.
bool printsOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

// Makes this process the one running copy (nothing returned), or hands `file` (empty: none) to
// the copy that runs and returns the exit code to end with. A copy that is still starting up
// or just ending may not answer yet: the hand-over is tried again, and the lock taken over once
// that copy has gone.
std::optional<int> becomeOrHandOver(projcalc::app::SingleInstance& instance, const QString& folder,
                                    const QString& file) {
    using projcalc::app::SingleInstance;
    const QDeadlineTimer deadline(kHandOverMs);
    while (instance.acquire() == SingleInstance::Result::HeldByOther) {
        const projcalc::app::ChannelApi* channel = projcalc::app::channelApi();
        const auto remaining = static_cast<int>(deadline.remainingTime());
        if (channel != nullptr && remaining > 0 && channel->send(folder, file, remaining)) return 0;
        if (channel == nullptr || deadline.hasExpired()) {
            // Without a file nothing is lost: the running copy stays as it is.
            if (file.isEmpty()) return 0;
            std::fprintf(stderr,
                         "projcalc: the running copy of the program could not be reached, so %s "
                         "was not opened there\n",
                         qUtf8Printable(file));
            return 1;
        }
        QThread::msleep(kHandOverRetryMs);
    }
    return std::nullopt;
}

// Hands what later starts send to `requests`. The server belongs to the window, so that the
// socket goes before the lock does.
void listenForLaterStarts(QWidget& window, projcalc::app::WindowRequests& requests,
                          const QString& folder) {
    const projcalc::app::ChannelApi* channel = projcalc::app::channelApi();
    QString error;
    const auto onRequest = [&requests](const QString& file) { requests.add(file); };
    if (channel == nullptr || !channel->listen(folder, &window, onRequest, &error)) {
        std::fprintf(stderr, "projcalc: later starts cannot hand files to this window%s%s\n",
                     error.isEmpty() ? "" : ": ", qUtf8Printable(error));
    }
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a save fail (reported as a full disk) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::unique_ptr<QCoreApplication> app =
        printsOnly(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                               : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("projcalc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJCALC_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption dataDirOption(
        QStringLiteral("data-dir"),
        QStringLiteral("Read ModelInfo.ini and Language.ini from <DIR>."), QStringLiteral("DIR"));
    parser.addOption(dataDirOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A calculation file (*.cf) to open."),
                                 QStringLiteral("[FILE]"));
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString error = parser.positionalArguments().size() > 1
                                  ? QStringLiteral("only one calculation file can be opened")
                                  : parser.errorText();
        std::fprintf(stderr, "projcalc: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return kExitUsage;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("projcalc %s\n", PROJCALC_VERSION);
        return 0;
    }

    // A calculation file named on the command line opens as File > Open would open it.
    const QString file = parser.positionalArguments().isEmpty()
                             ? QString()
                             : QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    const QString runtime = projcalc::app::runtimeFolder();
    projcalc::app::SingleInstance instance(runtime);
    if (const std::optional<int> exitCode = becomeOrHandOver(instance, runtime, file))
        return *exitCode;

    projcalc::ui::useProgramStyle();
    projcalc::ui::MainWindow window;
    if (projcalc::app::titleReportRequested()) projcalc::app::reportTitleChanges(window);
    auto* requests = new projcalc::app::WindowRequests(window);
    std::optional<std::filesystem::path> dataDir;
    if (parser.isSet(dataDirOption)) dataDir = toPath(parser.value(dataDirOption));
    const projcalc::DataFolderInputs folders = projcalc::dataFolderInputsFromEnvironment(
        toPath(QCoreApplication::applicationDirPath()), dataDir);
    if (!window.startUp(projcalc::resolveDataFolder(folders), projcalc::userDataFolder(folders))) {
        return 1;
    }

    std::unique_ptr<projcalc::app::FirstPaintExit> exitAfterPaint;
    if (projcalc::app::FirstPaintExit::requested())
        exitAfterPaint = std::make_unique<projcalc::app::FirstPaintExit>(&window);
    window.show();
    if (!file.isEmpty()) (void)window.calculator().openCalculationFile(file.toStdString());
    requests->start();
    // Later starts reach this copy through a socket beside the lock. It is made a moment after
    // the window has appeared, so that loading the channel module never delays the window; a
    // later start that comes sooner tries again until the socket is there. Without the lock (an
    // unwritable runtime folder) there is no telling whose socket is there, so none is made.
    if (instance.isLocked()) {
        QTimer::singleShot(kListenDelayMs, &window, [&window, requests, runtime] {
            listenForLaterStarts(window, *requests, runtime);
        });
    }
    return QCoreApplication::exec();
}
