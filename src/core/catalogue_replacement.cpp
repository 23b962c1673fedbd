// The Option menu's "Select model info file...": replacing the model catalogue.
#include <filesystem>
#include <system_error>

#include "core/calculator.h"
#include "models/model_catalogue.h"
#include "util/paths.h"
#include "util/text.h"

namespace projcalc {
namespace {

const FileFilter kCatalogueFilter{"ModelFile (*.ini)", "*.ini"};

}  // namespace

void Calculator::replaceCatalogue() {
    if (!commitPendingEdit()) return;
    const std::string chosen = view_.askOpenFileName(kCatalogueFilter, currentFolder());
    if (chosen.empty()) return;
    std::string bytes;
    if (auto readError = fileSystem_.readFile(chosen, bytes)) {
        view_.showError(*readError);
        return;
    }

    // The candidate is copied beside the catalogue in force. Where that folder cannot be written
    // (an installed program), it goes to the user's own folder, which the program uses from then
    // on once the candidate is installed there.
    const std::string dataFolder = dataFolder_;
    std::string folder = dataFolder;
    std::filesystem::path candidate = folder + "~tmp.ini";
    std::optional<AppError> error = fileSystem_.writeFileAtomic(candidate, bytes);
    const std::string userFolder =
        userDataFolder_.empty() ? std::string() : withTrailingBackslash(userDataFolder_.string());
    if (error && !userFolder.empty() && userFolder != folder) {
        error = fileSystem_.createFolder(userDataFolder_);
        if (!error) {
            folder = userFolder;
            candidate = folder + "~tmp.ini";
            error = fileSystem_.writeFileAtomic(candidate, bytes);
        }
    }
    if (error) {
        view_.showError(*error);
        return;
    }

    // Loaded on its own: the catalogue in force stays until the candidate proves good.
    std::vector<ModelRecord> models;
    const auto removeCandidate = [&] { (void)fileSystem_.removeFile(candidate); };
    if (auto loadError = loadModelCatalogue(candidate, models, fileSystem_)) {
        removeCandidate();
        view_.showError(*loadError);
        return;
    }
    if (models.empty()) {
        removeCandidate();
        view_.showMessage(replaceAll(texts_.invalidModelFileMessage, "%1", chosen));
        return;
    }

    // The catalogue in force is kept as OLD.ini (a move to the user's folder takes the language
    // file along), and the candidate becomes ModelInfo.ini last, in one rename: the data folder
    // never lacks a ModelInfo.ini, the user's folder holds none until everything is in place, and
    // a failure leaves the catalogue in force as it was.
    const std::filesystem::path catalogue = dataFolder + "ModelInfo.ini";
    if (fileSystem_.fileExists(catalogue))
        error = fileSystem_.copyFile(catalogue, folder + "OLD.ini");
    if (!error && folder != dataFolder) {
        error = fileSystem_.copyFile(dataFolder + "Language.ini", folder + "Language.ini");
    }
    if (!error) error = fileSystem_.renameFile(candidate, folder + "ModelInfo.ini");
    if (error) {
        removeCandidate();
        view_.showError(*error);
        return;
    }
    dataFolder_ = folder;
    installCatalogue(std::move(models));
}

void Calculator::installCatalogue(std::vector<ModelRecord> models) {
    ready_ = false;
    catalogue_.clear();
    for (const ModelRecord& model : models)
        catalogue_.push_back(traitsOf(model));
    calc_.model = -1;
    showModelList();
    pickModel(0);
    if (!recalculate(storedDiagonal(), OnLimit::Reject)) clearResults();
    ready_ = true;
    takeShownTexts();
    clearHistory();
    showEditState();
}

}  // namespace projcalc
