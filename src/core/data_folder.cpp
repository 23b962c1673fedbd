#include "core/data_folder.h"

#include <cstdlib>
#include <system_error>

namespace projcalc {
namespace {

namespace fs = std::filesystem;

bool holdsCatalogue(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_regular_file(folder / "ModelInfo.ini", ec);
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

}  // namespace

fs::path userDataFolder(const DataFolderInputs& inputs) {
    if (inputs.xdgDataHome && fs::path(*inputs.xdgDataHome).is_absolute()) {
        return fs::path(*inputs.xdgDataHome) / "projcalc";
    }
    if (inputs.home) return fs::path(*inputs.home) / ".local" / "share" / "projcalc";
    return {};
}

fs::path resolveDataFolder(const DataFolderInputs& inputs) {
    if (inputs.commandLine) return *inputs.commandLine;
    if (fs::path user = userDataFolder(inputs); holdsCatalogue(user)) return user;
    if (holdsCatalogue(inputs.executableFolder)) return inputs.executableFolder;
    return (inputs.executableFolder / ".." / "share" / "projcalc").lexically_normal();
}

DataFolderInputs dataFolderInputsFromEnvironment(const fs::path& executableFolder,
                                                 std::optional<fs::path> commandLine) {
    DataFolderInputs inputs;
    inputs.commandLine = std::move(commandLine);
    inputs.executableFolder = executableFolder;
    inputs.xdgDataHome = environment("XDG_DATA_HOME");
    inputs.home = environment("HOME");
    return inputs;
}

std::optional<std::string> dataFolderProblem(const fs::path& folder) {
    std::error_code ec;
    const std::string shown = "\"" + folder.string() + "\"";
    if (!fs::is_directory(folder, ec)) {
        return fs::exists(folder, ec) ? "the data folder " + shown + " is not a folder"
                                      : "the data folder " + shown + " does not exist";
    }
    if (!holdsCatalogue(folder) && !fs::is_regular_file(folder / "OLD.ini", ec))
        return "the data folder " + shown + " holds no ModelInfo.ini";
    return std::nullopt;
}

}  // namespace projcalc
