// projcalc-cli: the calculator without a window. It drives the same controller as the window and
// prints what the window would show as JSON.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

int main(int argc, char** argv) {
    using namespace projcalc::cli;
#ifdef SIGXFSZ
    // A file-size limit makes a write fail (reported as a full disk) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return runCommandLine(
        args, [&] { return executableFolder(argc > 0 ? argv[0] : nullptr); }, std::cout, std::cerr);
}
