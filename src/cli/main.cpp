// projcalc-cli: the calculator without a window. It drives the same controller as the window and
// prints what the window would show as JSON.
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "core/data_folder.h"

int main(int argc, char** argv) {
    using namespace projcalc::cli;
#ifdef SIGXFSZ
    // A file-size limit makes a write fail (reported as a full disk) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        const CliOptions options = parseCommandLine(args);
        if (options.help) {
            std::cout << helpText();
            return std::cout.flush() ? kExitOk : kExitFailure;
        }
        if (options.version) {
            std::cout << versionText() << '\n';
            return std::cout.flush() ? kExitOk : kExitFailure;
        }
        // A folder without a catalogue is the start-up's fatal report, as before; one that is
        // not there at all is a bad argument.
        if (options.dataDir && !std::filesystem::is_directory(*options.dataDir)) {
            if (const auto problem = projcalc::dataFolderProblem(*options.dataDir))
                throw UsageError(*problem + " (--data-dir names the folder of ModelInfo.ini)");
        }
        const auto programFolder = executableFolder(argc > 0 ? argv[0] : nullptr);
        const auto dataFolder = dataFolderFor(options, programFolder);
        return runSession(options, dataFolder, std::cout, std::cerr, programFolder);
    } catch (const UsageError& error) {
        std::cerr << "projcalc-cli: " << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "projcalc-cli: " << error.what() << '\n';
        return kExitFailure;
    }
}
