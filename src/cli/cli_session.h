#pragma once

#include <filesystem>
#include <ostream>

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

}  // namespace projcalc::cli
