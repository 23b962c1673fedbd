// projcalc: the Projection Distance Calculator window.
//
//   projcalc [--data-dir DIR] [FILE]
//   projcalc [--data-dir DIR] --report OUT.pdf [--title TEXT] [--prepared-by NAME] FILE
//
// One copy runs per user. A later start hands its FILE to the running copy, which opens it and
// comes to the front, and ends; without a FILE it just ends. A later start that cannot reach the
// running copy says so and opens a window of its own. --report writes the installation report
// of FILE without a window and ends; it neither runs as nor talks to the running copy.
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/channel_module.h"
#include "app/command_line_paths.h"
#include "app/first_paint_exit.h"
#include "app/instance_channel.h"
#include "app/report_command.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "app/title_report.h"
#include "app/window_picture.h"
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
    "program's own folder when it holds one, else from <program folder>/../share/projcalc.\n"
    "\n"
    "With --report OUT.pdf it writes the installation report of FILE as a PDF file and\n"
    "ends, without a window (on the offscreen platform) and without the running copy.\n"
    "The report is dated SOURCE_DATE_EPOCH when that is set, else today; its paper is\n"
    "Letter or A4 as LC_ALL, LC_PAPER or LANG say.";

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

// --report writes a file and ends without a display: it runs on the offscreen platform, and so
// does a command line with the options that go with it, which only ends with a usage error when
// --report is missing. Options after "--" are file names.
bool writesReportOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return false;
        for (const std::string_view option : {"--report", "--title", "--prepared-by"}) {
            if (arg == option || (arg.starts_with(option) && arg[option.size()] == '='))
                return true;
        }
    }
    return false;
}

// A path option's value as the bytes the system passed (`bytes`, from pathArguments), or the
// parser's text turned back into the bytes of a file name.
std::filesystem::path pathOf(const std::optional<std::filesystem::path>& bytes,
                             const QString& text) {
    return bytes ? *bytes : std::filesystem::path(QFile::encodeName(text).toStdString());
}

// Says on standard error why this start opens a window of its own although a copy runs.
void explainOwnWindow(const projcalc::app::SingleInstance& instance,
                      const std::filesystem::path& file, const char* why) {
    const long long holder = instance.holderProcess();
    const std::string process = holder > 0 ? " (process " + std::to_string(holder) + ")" : "";
    const std::string outcome =
        file.empty() ? "this start opens a window of its own"
                     : file.string() + " is not handed to it but opens in a window of its own";
    std::fprintf(stderr, "projcalc: the running copy of the program%s %s, so %s\n", process.c_str(),
                 why, outcome.c_str());
}

// Makes this process the one running copy (nothing returned), or hands `file` (empty: none) to
// the copy that runs and returns the exit code to end with. A copy that is still starting up
// or just ending may not answer yet: the hand-over is tried again, and the lock taken over once
// that copy has gone. When the running copy cannot be reached (frozen, or without its channel),
// this start says so and goes on as a window of its own: a start never ends without a window
// and without a word.
std::optional<int> becomeOrHandOver(projcalc::app::SingleInstance& instance, const QString& folder,
                                    const std::filesystem::path& file) {
    using projcalc::app::SingleInstance;
    const QByteArray request = QByteArray::fromStdString(file.string());
    const QDeadlineTimer deadline(kHandOverMs);
    while (instance.acquire() == SingleInstance::Result::HeldByOther) {
        if (!projcalc::app::isAcceptableRequest(request)) {
            explainOwnWindow(instance, file,
                             "takes no file whose name holds control characters or is that long");
            return std::nullopt;
        }
        const projcalc::app::ChannelApi* channel = projcalc::app::channelApi();
        if (channel == nullptr) {
            explainOwnWindow(instance, file, "cannot be reached");
            return std::nullopt;
        }
        const auto remaining = static_cast<int>(deadline.remainingTime());
        if (remaining > 0 && channel->send(folder, request, remaining)) return 0;
        if (deadline.hasExpired()) {
            explainOwnWindow(instance, file, "did not answer within 10 seconds");
            return std::nullopt;
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
    const auto onRequest = [&requests](const QByteArray& file) {
        requests.add(std::filesystem::path(file.toStdString()));
    };
    if (channel == nullptr || !channel->listen(folder, &window, onRequest, &error)) {
        std::fprintf(stderr, "projcalc: later starts cannot hand files to this window%s%s\n",
                     error.isEmpty() ? "" : ": ", qUtf8Printable(error));
    }
}

// SIGTERM, SIGINT and SIGHUP end the program at once: an edit in progress is dropped, no dialog
// is shown, and the socket and the lock of the running copy are removed.
void endOnTerminationSignals(QObject* owner, projcalc::app::SingleInstance& instance,
                             const QString& runtime) {
    const QByteArray socket = QFile::encodeName(
        QDir(runtime).filePath(QString::fromLatin1(projcalc::app::kSocketFileName)));
    (void)projcalc::app::TerminationSignals::install(owner, [&instance, socket](int signal) {
        if (instance.isLocked()) {
            ::unlink(socket.constData());
            instance.release();
        }
        projcalc::app::TerminationSignals::endBy(signal);
    });
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a save fail (reported as a full disk) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const bool reportOnly = writesReportOnly(argc, argv);
    if (reportOnly) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The PDF writer lists the fonts it embeds in the order of a hash table; with the seed
        // every process draws afresh, the same report would come out in different bytes.
        QHashSeed::setDeterministicGlobalSeed();
    }
    std::unique_ptr<QCoreApplication> app;
    if (printsOnly(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else if (reportOnly) {
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
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
    const QCommandLineOption reportOption(
        QStringLiteral("report"),
        QStringLiteral("Write the installation report of FILE to <OUT.pdf> and end."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption titleOption(
        QStringLiteral("title"),
        QStringLiteral("The report's title (with --report; default: the file's name)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption preparedByOption(
        QStringLiteral("prepared-by"),
        QStringLiteral("Who prepared the report (with --report; default: the name the window "
                       "remembers)."),
        QStringLiteral("NAME"));
    parser.addOptions({reportOption, titleOption, preparedByOption});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A calculation file (*.cf) to open."),
                                 QStringLiteral("[FILE]"));
    const bool parsed = parser.parse(QCoreApplication::arguments());
    const qsizetype files = parser.positionalArguments().size();
    const bool report = parsed && parser.isSet(reportOption);
    QString usage;
    if (!parsed) {
        usage = parser.errorText();
    } else if (files > 1) {
        usage = QStringLiteral("only one calculation file can be opened");
    } else if (report && files == 0) {
        usage = QStringLiteral("--report needs the calculation FILE to report on");
    } else if (!report && (parser.isSet(titleOption) || parser.isSet(preparedByOption))) {
        usage = QStringLiteral("--title and --prepared-by go with --report");
    }
    if (!usage.isEmpty()) {
        std::fprintf(stderr, "projcalc: %s\n%s", qPrintable(usage), qPrintable(parser.helpText()));
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

    // Paths stay the bytes the system gave (a name need not be UTF-8); they become text only to
    // be shown. A calculation file named on the command line opens as File > Open would open it.
    const projcalc::app::PathArguments paths = projcalc::app::pathArguments(argc, argv);
    std::filesystem::path file;
    if (!parser.positionalArguments().isEmpty()) {
        file =
            projcalc::app::absolutePath(pathOf(paths.file, parser.positionalArguments().first()));
    }
    std::optional<std::filesystem::path> dataDir;
    if (parser.isSet(dataDirOption)) {
        dataDir = pathOf(paths.dataDir, parser.value(dataDirOption));
        if (const auto problem =
                projcalc::dataFolderProblem(*dataDir, projcalc::localFileSystem())) {
            std::fprintf(stderr, "projcalc: %s (--data-dir names the folder of ModelInfo.ini)\n",
                         problem->c_str());
            return kExitUsage;
        }
    }
    std::filesystem::path programFolder = projcalc::app::executableFolder();
    if (programFolder.empty()) {
        programFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    }
    const projcalc::DataFolderInputs folders =
        projcalc::dataFolderInputsFromEnvironment(programFolder, dataDir);

    if (report) {
        projcalc::app::ReportCommand command;
        command.output = pathOf(paths.report, parser.value(reportOption));
        command.file = file;
        command.dataFolder = projcalc::resolveDataFolder(folders, projcalc::localFileSystem());
        if (parser.isSet(titleOption)) command.title = parser.value(titleOption);
        if (parser.isSet(preparedByOption)) command.preparedBy = parser.value(preparedByOption);
        return projcalc::app::writeReportOfFile(command);
    }

    const QString runtime = projcalc::app::runtimeFolder();
    projcalc::app::SingleInstance instance(runtime);
    if (const std::optional<int> exitCode = becomeOrHandOver(instance, runtime, file))
        return *exitCode;
    endOnTerminationSignals(app.get(), instance, runtime);

    projcalc::ui::useProgramStyle();
    projcalc::ui::MainWindow window;
    if (projcalc::app::titleReportRequested()) projcalc::app::reportTitleChanges(window);
    auto* requests = new projcalc::app::WindowRequests(window);
    if (!window.startUp(projcalc::resolveDataFolder(folders, projcalc::localFileSystem()),
                        projcalc::userDataFolder(folders))) {
        return 1;
    }

    std::unique_ptr<projcalc::app::FirstPaintExit> exitAfterPaint;
    if (projcalc::app::FirstPaintExit::requested())
        exitAfterPaint = std::make_unique<projcalc::app::FirstPaintExit>(&window);
    window.show();
    projcalc::app::populatePictureOnFirstExpose(window);
    if (!file.empty()) (void)window.openFile(file.string());
    requests->start();
    // Later starts reach this copy through a socket beside the lock. It is made a moment after
    // the window has appeared, so that loading the channel module never delays the window; a
    // later start that comes sooner tries again until the socket is there. Without the lock (an
    // unwritable runtime folder, or a running copy that could not be reached) there is no
    // telling whose socket is there, so none is made.
    if (instance.isLocked()) {
        QTimer::singleShot(kListenDelayMs, &window, [&window, requests, runtime] {
            listenForLaterStarts(window, *requests, runtime);
        });
    }
    return QCoreApplication::exec();
}
