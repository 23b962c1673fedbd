#pragma once

#include <filesystem>
#include <optional>

namespace projcalc::app {

// The paths named on the command line, as the bytes the system passed: a file name that is not
// UTF-8 must reach the calculator unchanged, and text decoding would replace its bytes.
struct PathArguments {
    std::optional<std::filesystem::path> dataDir;  // the value of the last --data-dir
    std::optional<std::filesystem::path> report;   // the value of the last --report
    std::optional<std::filesystem::path> file;     // the first FILE
};

// Picks the values of --data-dir and --report (as "--data-dir DIR" or "--data-dir=DIR") and the
// first positional argument out of `argv`, read the way the program's option parser reads them
// once it has accepted the command line: "--" makes every later argument positional, "-" alone
// is positional, the values of --title and --prepared-by are skipped, other arguments that start
// with "-" are options without a value.
[[nodiscard]] PathArguments pathArguments(int argc, const char* const* argv);

// A path made absolute against the current folder, with "." and ".." resolved by name.
[[nodiscard]] std::filesystem::path absolutePath(const std::filesystem::path& path);

// The folder of the running executable, as the system names it.
[[nodiscard]] std::filesystem::path executableFolder();

}  // namespace projcalc::app
