#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace projcalc {

class FileSystem;

// What decides where the program finds ModelInfo.ini and Language.ini.
struct DataFolderInputs {
    std::optional<std::filesystem::path> commandLine;  // --data-dir DIR
    std::filesystem::path executableFolder;
    std::optional<std::string> xdgDataHome;  // $XDG_DATA_HOME
    std::optional<std::string> home;         // $HOME
};

// The user's own data folder: $XDG_DATA_HOME/projcalc, or ~/.local/share/projcalc. Empty when
// neither variable is set.
[[nodiscard]] std::filesystem::path userDataFolder(const DataFolderInputs& inputs);

// The data folder, one rule for the window and the command-line tool: --data-dir when given;
// otherwise the user's own folder when it holds a ModelInfo.ini (a catalogue the user installed);
// otherwise the executable's folder when it holds one (a build); otherwise
// <executable>/../share/projcalc (an installed program).
[[nodiscard]] std::filesystem::path resolveDataFolder(const DataFolderInputs& inputs,
                                                      FileSystem& fileSystem);

// The inputs of this process, from its environment and the given executable folder.
[[nodiscard]] DataFolderInputs dataFolderInputsFromEnvironment(
    const std::filesystem::path& executableFolder,
    std::optional<std::filesystem::path> commandLine = std::nullopt);

// What is wrong with a data folder given on the command line, in words that name it ("The data
// folder /x does not exist."), or nothing when it is a folder that holds a ModelInfo.ini (or
// the OLD.ini a start may fall back to).
[[nodiscard]] std::optional<std::string> dataFolderProblem(const std::filesystem::path& folder,
                                                           FileSystem& fileSystem);

}  // namespace projcalc
