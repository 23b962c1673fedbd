#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"

namespace projcalc::cli {

// The folder the running executable lies in: from /proc/self/exe, else from `argv0` (a path, or
// a name looked up in $PATH).
[[nodiscard]] std::filesystem::path executableFolder(const char* argv0);

// The data folder by the program's one rule: --data-dir, else the user's folder when it holds a
// catalogue, else the executable's folder when it holds one, else ../share/projcalc.
[[nodiscard]] std::filesystem::path dataFolderFor(const CliOptions& options,
                                                  const std::filesystem::path& executableFolder);

// Starts the calculator on `dataFolder`, runs the actions in order and writes the report (or,
// with --trace, one line per step; with --text the results summary) to `out`; the reason of a
// failure goes to `err`. Returns the exit code.
[[nodiscard]] int runSession(const CliOptions& options, const std::filesystem::path& dataFolder,
                             std::ostream& out, std::ostream& err,
                             const std::filesystem::path& executableFolder = {});

// The whole command line, as every build of the tool runs it: --help and --version, a --data-dir
// that is not there refused as a bad argument, then the session on the data folder found from
// `programFolder` (asked only when needed). Usage errors and failures are written to `err` with
// the tool's name. `helpNote` follows the help text. Returns the exit code.
[[nodiscard]] int runCommandLine(const std::vector<std::string>& args,
                                 const std::function<std::filesystem::path()>& programFolder,
                                 std::ostream& out, std::ostream& err,
                                 std::string_view helpNote = {});

}  // namespace projcalc::cli
