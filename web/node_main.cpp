// projcalc-cli.js: projcalc-cli built as WebAssembly for node. The same arguments, actions and
// JSON as the native tool, on the host's file system; its own folder (the script's, since
// /proc/self/exe names node itself) holds the shipped data it runs on by default.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"

namespace {

// The folder of the running script, from node's own idea of it.
EM_JS(char*, scriptFolderText, (), {
    const path = require("path");
    const folder = path.dirname(path.resolve(process.argv[1] || __filename));
    return allocateUTF8(folder);
});

std::filesystem::path scriptFolder() {
    char* text = scriptFolderText();
    std::filesystem::path folder = text != nullptr ? text : "";
    std::free(text);
    return folder;
}

constexpr const char* kOneUserNote =
    "\n"
    "This is the node build (projcalc-cli.js). It is for one user at a time: node cannot lock\n"
    "a data folder, so two of its runs that replace the catalogue of one folder at the same\n"
    "time may mix their files. The native projcalc-cli takes turns.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace projcalc::cli;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return runCommandLine(args, scriptFolder, std::cout, std::cerr, kOneUserNote);
}
