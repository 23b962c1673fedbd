#pragma once

#include <string>
#include <vector>

namespace projcalc::cli_test {

// What a run of a program left behind.
struct CliResult {
    int exitCode = -1;  // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// Runs `program` with `args` in an environment of exactly `environment` ("NAME=value" entries),
// capturing its standard output and standard error.
[[nodiscard]] CliResult runProgram(const std::string& program, const std::vector<std::string>& args,
                                   const std::vector<std::string>& environment);

// Runs the projcalc-cli under test as runProgram does.
[[nodiscard]] CliResult runCli(const std::vector<std::string>& args,
                               const std::vector<std::string>& environment);

// Runs a copy of the projcalc-cli under test (`program`) the way that one is run: through its
// runner, when it has one.
[[nodiscard]] CliResult runCliCopy(const std::string& program, const std::vector<std::string>& args,
                                   const std::vector<std::string>& environment);

// The projcalc-cli under test, chosen at run time: $PROJCALC_CLI when set (node's build:
// build/web/projcalc-cli.js), else the native one this build made.
[[nodiscard]] const char* cliPath() noexcept;

// What runs cliPath(): $PROJCALC_CLI_RUNNER (an absolute path, such as /usr/bin/node), or
// empty when cliPath() is itself an executable.
[[nodiscard]] const std::string& cliRunner() noexcept;

// The command line that starts the projcalc-cli under test: its runner, if any, then cliPath().
[[nodiscard]] std::vector<std::string> cliCommand();

}  // namespace projcalc::cli_test
