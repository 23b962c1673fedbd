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

// Runs the built projcalc-cli as runProgram does.
[[nodiscard]] CliResult runCli(const std::vector<std::string>& args,
                               const std::vector<std::string>& environment);

// The path of the built projcalc-cli.
[[nodiscard]] const char* cliPath() noexcept;

}  // namespace projcalc::cli_test
