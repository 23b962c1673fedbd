// projcalc: the Projection Distance Calculator window.
//
//   projcalc [--data-dir DIR] [FILE]
//
// One copy runs per user; a second start ends at once without showing anything.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "app/first_paint_exit.h"
#include "app/single_instance.h"
#include "core/data_folder.h"
#include "ui/main_window.h"
#include "ui/program_style.h"

namespace {

constexpr int kExitUsage = 2;

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
    parser.setApplicationDescription(QStringLiteral("Projection Distance Calculator"));
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

    projcalc::app::SingleInstance instance(projcalc::app::runtimeFolder());
    if (instance.acquire() == projcalc::app::SingleInstance::Result::HeldByOther) return 0;

    projcalc::ui::useProgramStyle();
    projcalc::ui::MainWindow window;
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
    // A calculation file named on the command line opens as Open would open it.
    if (!parser.positionalArguments().isEmpty()) {
        const QString file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
        (void)window.calculator().openCalculationFile(file.toStdString());
    }
    return QCoreApplication::exec();
}
