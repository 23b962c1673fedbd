#include "core/data_folder.h"

#include <cstdlib>
#include <system_error>

#include "util/file_system.h"

namespace projcalc {
namespace {

namespace fs = std::filesystem;

bool holdsCatalogue(const fs::path& folder, FileSystem& fileSystem) {
    return !folder.empty() && fileSystem.fileExists(folder / "ModelInfo.ini");
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

fs::path resolveDataFolder(const DataFolderInputs& inputs, FileSystem& fileSystem) {
    if (inputs.commandLine) return *inputs.commandLine;
    if (fs::path user = userDataFolder(inputs); holdsCatalogue(user, fileSystem)) return user;
    if (holdsCatalogue(inputs.executableFolder, fileSystem)) return inputs.executableFolder;
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

std::optional<std::string> dataFolderProblem(const fs::path& folder, FileSystem& fileSystem) {
    const std::string shown = "\"" + folder.string() + "\"";
    if (const EntryKind kind = fileSystem.kindOf(folder); kind != EntryKind::Folder) {
        return kind != EntryKind::Nothing ? "the data folder " + shown + " is not a folder"
                                          : "the data folder " + shown + " does not exist";
    }
    if (!holdsCatalogue(folder, fileSystem) && !fileSystem.fileExists(folder / "OLD.ini"))
        return "the data folder " + shown + " holds no ModelInfo.ini";
    return std::nullopt;
}

}  // namespace projcalc
