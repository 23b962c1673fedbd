// The File menu's calculation commands: Open, Save and Save As.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "core/calculator.h"
#include "files/calculation_file.h"
#include "models/model_catalogue.h"
#include "models/model_checks.h"
#include "util/paths.h"

namespace projcalc {
namespace {

const FileFilter kCalculationFilter{"CalculateFile (*.cf)", "*.cf"};

// The aspect of a stored pair of aspect parts; any pair but 4:3, 16:9 and 16:10 is 5:4.
Aspect aspectOf(double height, double width) {
    if (height == 3 && width == 4) return Aspect::R4x3;
    if (height == 9 && width == 16) return Aspect::R16x9;
    if (height == 10 && width == 16) return Aspect::R16x10;
    return Aspect::R5x4;
}

// The stored selections must name options that exist.
std::optional<AppError> checkSelections(const CalculationFile& f, const std::string& path) {
    const auto outOfRange = [&](int line, const std::string& what) {
        return makeError(ErrorCode::TypeMismatch,
                         path + ", line " + std::to_string(line) + ": " + what);
    };
    if (!choiceAt<Zoom>(f.zoomEnd)) {
        return outOfRange(
            62, "the zoom end " + std::to_string(f.zoomEnd) + " is not 0 (WIDE) or 1 (TELE)");
    }
    if (!choiceAt<Mount>(f.projectorPosition)) {
        return outOfRange(63, "the position " + std::to_string(f.projectorPosition) +
                                  " is not 0 (top) or 1 (bottom)");
    }
    if (!choiceAt<Unit>(f.unitIndex)) {
        return outOfRange(67, "the unit " + std::to_string(f.unitIndex) + " is not 0, 1 or 2");
    }
    return std::nullopt;
}

// The stored aspect must be one the model offers: a catalogue changed since the save may have
// dropped it, and its limits would then be meaningless. A model that offers none keeps whatever
// aspect is checked, so any stored one is taken.
std::optional<AppError> checkAspectOffered(const ModelRecord& model, Aspect aspect,
                                           const std::string& path) {
    const std::int32_t offered = model.aspectMask & 15;
    if (offered == 0 || (offered & maskBitOf(aspect)) != 0) return std::nullopt;
    return makeError(ErrorCode::InvalidArgument, path + ", lines 65 and 66: the model \"" +
                                                     model.modelName +
                                                     "\" does not offer the aspect ratio " +
                                                     std::string(shapeOf(aspect).caption));
}

}  // namespace

void Calculator::setTitle(std::string title) {
    title_ = std::move(title);
    view_.setTitle(title_);
}

void Calculator::takeShownTexts() {
    for (const Quantity box : kAllQuantities)
        committedTexts_[static_cast<std::size_t>(indexOf(box))] = view_.valueText(box);
}

void Calculator::setTitleForFile(const std::string& path) {
    setTitle(texts_.captionText + " [" + stripExtension(fileNameOf(path)) + "]");
}

Calculator::Snapshot Calculator::takeSnapshot() const {
    return Snapshot{calc_, catalogue_.size(), committedTexts_, title_, ready_};
}

void Calculator::restoreSnapshot(const Snapshot& snapshot) {
    calc_ = snapshot.calculation;
    catalogue_.resize(snapshot.catalogueSize);
    committedTexts_ = snapshot.committedTexts;

    showModelList();
    view_.selectModelRow(calc_.model);
    view_.showOptions(optionStates());
    setTitle(snapshot.title);
    ready_ = snapshot.ready;
    if (calc_.resultsValid) {
        (void)refreshAndDraw();
    } else {
        clearResults();
    }
}

// Open, from the menu or for a file handed over by a later start, first enters what is being typed
// and asks before unsaved changes would be lost.
bool Calculator::openCalculationFile() {
    if (!commitPendingEdit() || !offerToSaveChanges()) return false;
    const std::string path = view_.askOpenFileName(kCalculationFilter, currentFolder());
    if (path.empty()) return false;
    return openFile(path);
}

bool Calculator::openCalculationFile(const std::string& path) {
    if (!commitPendingEdit() || !offerToSaveChanges()) return false;
    return openFile(path);
}

bool Calculator::openFile(const std::string& path) {
    std::string bytes;
    if (auto error = fileSystem_.readFile(path, bytes)) {
        view_.showError(*error);
        return false;
    }
    auto parsed = parseCalculationFile(bytes, path);
    if (auto* error = std::get_if<AppError>(&parsed)) {
        view_.showError(*error);
        return false;
    }
    const CalculationFile& file = std::get<CalculationFile>(parsed);
    if (auto error = checkSelections(file, path)) {
        view_.showError(*error);
        return false;
    }
    return restoreCalculation(file, path);
}

bool Calculator::restoreCalculation(const CalculationFile& file, const std::string& path) {
    // The first model of that name; a model the catalogue lacks joins the list.
    const auto found = std::find_if(
        catalogue_.begin(), catalogue_.end(),
        [&](const ModelTraits& m) { return m.record.modelName == file.model.modelName; });
    const Aspect aspect = aspectOf(file.aspectHeight, file.aspectWidth);
    const ModelRecord& model = found != catalogue_.end() ? found->record : file.model;
    // A model the file brings along gets the checks of a catalogue model.
    if (found == catalogue_.end()) {
        if (const auto problem = checkModelValues(file.model)) {
            view_.showError(makeError(ErrorCode::InvalidArgument,
                                      displayPath(path) + ": the model \"" + file.model.modelName +
                                          "\" cannot be worked with, value " +
                                          std::to_string(problem->column) + ": " +
                                          problem->reason));
            return false;
        }
    }
    if (auto error = checkAspectOffered(model, aspect, path)) {
        view_.showError(*error);
        return false;
    }

    const Snapshot before = takeSnapshot();
    ready_ = false;
    int target = static_cast<int>(found - catalogue_.begin());
    if (found == catalogue_.end()) {
        if (catalogue_.size() >= kMaxModels) {
            view_.showError(makeError(ErrorCode::TableFull,
                                      "cannot open " + path + ": the model list is full (" +
                                          std::to_string(kMaxModels) + " models)"));
            restoreSnapshot(before);
            return false;
        }
        catalogue_.push_back(traitsOf(file.model));
        showModelList();
        target = static_cast<int>(catalogue_.size()) - 1;
    }
    pickModel(target);

    // The stored choices, checked from code: they only take effect below.
    (void)zoomChanged(static_cast<Zoom>(file.zoomEnd));
    (void)positionChanged(static_cast<Mount>(file.projectorPosition));
    (void)unitsChanged(static_cast<Unit>(file.unitIndex));
    (void)aspectChanged(aspect);

    // The stored diagonal may lie outside the model's limits when the catalogue has changed
    // since the save: then the nearest limit is solved and shown, with the limit message.
    calc_.results.diagonal = file.screenDiagonal;
    if (!recalculate(storedDiagonal(), OnLimit::Clamp)) {
        restoreSnapshot(before);
        return false;
    }
    ready_ = true;
    takeShownTexts();
    calc_.file = path;
    setTitleForFile(path);
    clearHistory();
    markSaved();
    showEditState();
    return true;
}

bool Calculator::saveCalculationFile() {
    return saveCalculationFile(false);
}

bool Calculator::saveCalculationFileAs() {
    return saveCalculationFile(true);
}

bool Calculator::saveCalculationFile(bool saveAs) {
    if (!commitPendingEdit()) return false;
    std::string target = saveAs ? std::string() : calc_.file;
    const bool chosen = target.empty() || !fileSystem_.fileExists(target);
    if (chosen) {
        target = view_.askSaveFileName(kCalculationFilter, currentFolder(), "cf");
        if (target.empty()) {
            if (!saveAs) calc_.file.clear();  // a cancelled Save forgets the file that is gone
            return false;
        }
    }
    auto text = writeCalculationFile(calculationFileOf(calc_), target);
    std::optional<AppError> error;
    if (auto* failure = std::get_if<AppError>(&text)) {
        error = *failure;
    } else {
        error = fileSystem_.writeFileAtomic(target, std::get<std::string>(text));
    }
    if (error) {
        view_.showError(*error);
        return false;
    }
    // The name shows only once the file really holds the calculation.
    if (chosen) {
        calc_.file = target;
        setTitleForFile(target);
    }
    markSaved();
    showEditState();
    return true;
}

}  // namespace projcalc
