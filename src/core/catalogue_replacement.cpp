// The Option menu's "Select model info file...": replacing the model catalogue.
#include <filesystem>
#include <system_error>

#include "core/calculator.h"
#include "models/model_catalogue.h"
#include "util/folder_lock.h"
#include "util/paths.h"
#include "util/text.h"

namespace projcalc {
std::optional<Calculator::CatalogueCandidate> Calculator::readCandidate(const std::string& chosen) {
    CatalogueCandidate candidate;
    if (auto readError = fileSystem_.readFile(chosen, candidate.bytes)) {
        report(*readError);
        return std::nullopt;
    }
    // The candidate is read and checked in memory, so every message names the chosen file, and
    // the catalogue in force stays until the candidate proves good.
    if (auto loadError = parseModelCatalogue(candidate.bytes, chosen, candidate.models,
                                             candidate.leftOut, candidate.unusedLight)) {
        report(*loadError);
        return std::nullopt;
    }
    if (candidate.models.empty()) {
        show({Notice::message(replaceAll(texts_.invalidModelFileMessage, "%1", chosen))});
        return std::nullopt;
    }
    return candidate;
}

std::optional<std::string> Calculator::replacementQuestion(const std::string& chosen) {
    const std::optional<CatalogueCandidate> candidate = readCandidate(chosen);
    if (!candidate) return std::nullopt;
    std::string question = texts_.text("msgReplaceCatalogue");
    question = replaceAll(question, "%1", std::to_string(catalogue_.size()));
    question = replaceAll(question, "%2", std::to_string(candidate->models.size()));
    return replaceAll(question, "%3", displayPath(chosen));
}

bool Calculator::hasPreviousCatalogue() const {
    return catalogueName_ != "OLD.ini" && fileSystem_.fileExists(dataFile("OLD.ini"));
}

bool Calculator::restorePreviousCatalogue() {
    if (!hasPreviousCatalogue()) {
        show({Notice::message(replaceAll(texts_.text("msgNoPreviousCatalogue"), "%1",
                                         dataFile("OLD.ini").string()))});
        return false;
    }
    return replaceCatalogue(dataFile("OLD.ini").string());
}

bool Calculator::replaceCatalogue(const std::string& chosen) {
    std::optional<CatalogueCandidate> candidate = readCandidate(chosen);
    if (!candidate) return false;
    const std::string& bytes = candidate->bytes;
    std::vector<ModelRecord>& models = candidate->models;
    const std::vector<LeftOutLine>& leftOut = candidate->leftOut;
    const std::vector<UnusedLightValue>& unusedLight = candidate->unusedLight;

    // Installed beside the catalogue in force; where that folder cannot be written (an
    // installed program), in the user's own folder, which the program uses from then on.
    std::string folder = dataFolder_;
    std::optional<AppError> error = installCatalogueFile(folder, bytes);
    const std::string userFolder =
        userDataFolder_.empty() ? std::string() : withTrailingBackslash(userDataFolder_.string());
    if (error && !userFolder.empty() && userFolder != folder) {
        error = fileSystem_.createFolder(userDataFolder_);
        if (!error) {
            folder = userFolder;
            error = installCatalogueFile(folder, bytes);
        }
    }
    if (error) {
        report(*error);
        return false;
    }
    dataFolder_ = folder;
    catalogueName_ = "ModelInfo.ini";

    std::vector<ModelTraits> catalogue;
    catalogue.reserve(models.size());
    for (const ModelRecord& model : models)
        catalogue.push_back(traitsOf(model));
    setCatalogue(std::move(catalogue));
    Calculation c = withModel(calc_, 0, catalogue_.front());
    std::vector<Notice> notices;
    Transition step = solveStoredDiagonal(c, OnLimit::Reject, context());
    if (step.next) {
        c = std::move(*step.next);
    } else {
        c.resultsValid = false;
        c.resultsCleared = true;
    }
    notices = std::move(step.notices);
    if (auto notice = leftOutNotice(chosen, leftOut)) notices.push_back(std::move(*notice));
    if (auto notice = unusedLightNotice(chosen, unusedLight)) notices.push_back(std::move(*notice));
    calc_ = std::move(c);
    history_.clear();
    show(std::move(notices));
    return true;
}

std::optional<AppError> Calculator::installCatalogueFile(const std::string& folder,
                                                         const std::string& bytes) {
    // The whole sequence holds the folder's lock, so that replacements by two copies of the
    // program follow each other instead of mixing their files.
    FolderLock lock;
    if (auto error = fileSystem_.lockFolder(folder, lock)) return error;
    // The catalogue in force is kept as OLD.ini (a move to the user's folder takes the language
    // file along), and the candidate becomes ModelInfo.ini last, in one atomic write: the data
    // folder never lacks a ModelInfo.ini, the user's folder holds none until everything is in
    // place, and a failure leaves the catalogue in force as it was. A start on OLD.ini (because
    // ModelInfo.ini could not be used) keeps OLD.ini as it is.
    std::optional<AppError> error;
    const std::filesystem::path inForce = dataFile(catalogueName_.c_str());
    if (fileSystem_.fileExists(inForce) && (catalogueName_ != "OLD.ini" || folder != dataFolder_))
        error = fileSystem_.copyFile(inForce, folder + "OLD.ini");
    if (!error && folder != dataFolder_)
        error = fileSystem_.copyFile(dataFile("Language.ini"), folder + "Language.ini");
    if (!error) error = fileSystem_.writeFileAtomic(folder + "ModelInfo.ini", bytes);
    return error;
}

}  // namespace projcalc
