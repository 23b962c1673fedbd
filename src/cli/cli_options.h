#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace projcalc::cli {

// Exit codes of projcalc-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFatalStartUp = 1;  // the calculator could not start (JSON on stdout)
inline constexpr int kExitUsage = 2;         // a bad option, action or argument (stderr)
inline constexpr int kExitFailure = 3;       // the report could not be written, or a fault

// A command line the tool cannot carry out: an unknown option or action, a bad argument, or an
// action the window would not let the user do (a disabled option, a model not in the list).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One action as typed, split at its first "=": "units=feet" has the name "units" and the
// argument "feet". An action without a value ("undo") has no "=".
struct ActionRequest {
    std::string text;
    std::string name;
    std::string argument;
    bool hasArgument = true;  // the text holds a "="
};

// Everything the command line asks for.
struct CliOptions {
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::string> language;  // --language CODE: a shipped language file
    bool trace = false;
    bool scenes = false;
    bool csv = false;   // print the last table= action's throw table as CSV instead of JSON
    bool text = false;  // print the results summary instead of the JSON report
    bool help = false;
    bool version = false;
    std::vector<ActionRequest> actions;
};

// Reads the arguments (without the program name). Every action is checked against the action
// table before anything runs, so a typo fails before the calculator starts. Throws UsageError.
[[nodiscard]] CliOptions parseCommandLine(const std::vector<std::string>& args);

// The text of --help: usage, options, every action of the action table, output and exit codes.
[[nodiscard]] std::string helpText();

// "projcalc-cli 1.0.0".
[[nodiscard]] std::string versionText();

}  // namespace projcalc::cli
