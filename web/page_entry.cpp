// The engine for the page: one call runs projcalc-cli's session on a command line and gives back
// what it printed. The page keeps the actions the user did and sends them, each time, as a
// command line; the engine starts on the data folder, does them in order as the CLI does, and
// reports the presentation value the window would show. So the page is a view of the very same
// controller and report as the window and the CLI, with nothing of their logic of its own.
#include <emscripten/emscripten.h>

#include <exception>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace {

// The folder the page writes the shipped files into before its first call.
const std::filesystem::path kShippedFolder = "/shipped";

nlohmann::json run(const std::vector<std::string>& args) {
    using namespace projcalc::cli;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runCommandLine(
        args, [] { return kShippedFolder; }, out, err);
    return {{"exit", exitCode}, {"out", out.str()}, {"err", err.str()}};
}

}  // namespace

extern "C" {

// Runs a command line given as a JSON array of arguments and returns a JSON object
// {"exit": code, "out": standard output, "err": standard error}. The text stays valid until the
// next call.
EMSCRIPTEN_KEEPALIVE const char* projcalc_run(const char* argsJson) {
    static std::string answer;
    try {
        const nlohmann::json args = nlohmann::json::parse(argsJson != nullptr ? argsJson : "[]");
        answer = run(args.get<std::vector<std::string>>())
                     .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    } catch (const std::exception& error) {
        answer = nlohmann::json{{"exit", 3}, {"out", ""}, {"err", error.what()}}.dump(
            -1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    return answer.c_str();
}
}
