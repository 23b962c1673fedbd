// The File menu's calculation commands: Open, Save and Save As.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "calc/aspect.h"
#include "calc/units.h"
#include "core/calculator.h"
#include "files/calculation_file.h"
#include "models/model_catalogue.h"
#include "util/paths.h"

namespace projcalc {
namespace {

const FileFilter kCalculationFilter{"CalculateFile (*.cf)", "*.cf"};

// The aspect option of a stored pair of aspect parts; any pair but 4:3, 16:9 and 16:10 is 5:4.
int aspectIndexOf(double height, double width) {
    if (height == 3 && width == 4) return 0;
    if (height == 9 && width == 16) return 2;
    if (height == 10 && width == 16) return 3;
    return 1;
}

// The stored selections must name options that exist.
std::optional<AppError> checkSelections(const CalculationFile& f, const std::string& path) {
    const auto outOfRange = [&](int line, const std::string& what) {
        return makeError(ErrorCode::TypeMismatch,
                         path + ", line " + std::to_string(line) + ": " + what);
    };
    if (f.zoomEnd != kZoomWide && f.zoomEnd != kZoomTele) {
        return outOfRange(
            62, "the zoom end " + std::to_string(f.zoomEnd) + " is not 0 (WIDE) or 1 (TELE)");
    }
    if (f.projectorPosition != 0 && f.projectorPosition != 1) {
        return outOfRange(63, "the position " + std::to_string(f.projectorPosition) +
                                  " is not 0 (top) or 1 (bottom)");
    }
    if (f.unitIndex < kUnitInches || f.unitIndex > kUnitCentimeters) {
        return outOfRange(67, "the unit " + std::to_string(f.unitIndex) + " is not 0, 1 or 2");
    }
    return std::nullopt;
}

// The stored aspect must be one the model offers: a catalogue changed since the save may have
// dropped it, and its limits would then be meaningless. A model that offers none keeps whatever
// aspect is checked, so any stored one is taken.
std::optional<AppError> checkAspectOffered(const ModelRecord& model, int aspect,
                                           const std::string& path) {
    const std::int32_t offered = model.aspectMask & 15;
    if (offered == 0 || (offered & (1 << aspect)) != 0) return std::nullopt;
    return makeError(ErrorCode::InvalidArgument,
                     path + ", lines 65 and 66: the model \"" + model.modelName +
                         "\" does not offer the aspect ratio " +
                         std::string(kAspects[static_cast<std::size_t>(aspect)].caption));
}

}  // namespace

void Calculator::setTitle(std::string title) {
    title_ = std::move(title);
    view_.setTitle(title_);
}

void Calculator::takeShownTexts() {
    for (int j = 0; j < 4; ++j)
        committedTexts_[static_cast<std::size_t>(j)] = view_.valueText(j);
}

void Calculator::setTitleForFile(const std::string& path) {
    setTitle(texts_.captionText + " [" + stripExtension(fileNameOf(path)) + "]");
}

Calculator::Snapshot Calculator::takeSnapshot() const {
    return Snapshot{state_,       listRows_, selectedRow_,     committedTexts_,
                    currentFile_, title_,    calculatorReady_, resultsValid_};
}

void Calculator::restoreSnapshot(const Snapshot& snapshot) {
    state_ = snapshot.state;
    listRows_ = snapshot.listRows;
    selectedRow_ = snapshot.selectedRow;
    committedTexts_ = snapshot.committedTexts;
    currentFile_ = snapshot.currentFile;
    resultsValid_ = snapshot.resultsValid;
    clampToLimit_ = false;

    view_.clearModelList();
    for (int index : listRows_) {
        view_.addModelRow(state_.modelTable[static_cast<std::size_t>(index)].modelName, index);
    }
    view_.selectModelRow(selectedRow_);
    showCapabilities(state_.selectedModel());
    view_.setOptionChecked(OptionGroup::Aspect, state_.aspectIndex);
    view_.setOptionChecked(OptionGroup::Zoom, state_.zoomEnd);
    view_.setOptionChecked(OptionGroup::Units, state_.unitIndex);
    view_.setOptionChecked(OptionGroup::Position, state_.projectorPosition);
    const AspectChoice& aspect = kAspects[static_cast<std::size_t>(state_.aspectIndex)];
    view_.showAspectPreview(state_.aspectRatio, std::string(aspect.caption));
    setTitle(snapshot.title);
    calculatorReady_ = snapshot.calculatorReady;
    if (resultsValid_) {
        (void)refreshAndDraw();
    } else {
        clearResults();
    }
}

bool Calculator::openCalculationFile() {
    const std::string path = view_.askOpenFileName(kCalculationFilter, currentFolder());
    if (path.empty()) return false;
    return openCalculationFile(path);
}

bool Calculator::openCalculationFile(const std::string& path) {
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
    const auto& table = state_.modelTable;
    const auto found = std::find_if(table.begin(), table.end(), [&](const ModelRecord& m) {
        return m.modelName == file.model.modelName;
    });
    const int aspect = aspectIndexOf(file.aspectHeight, file.aspectWidth);
    if (auto error = checkAspectOffered(found != table.end() ? *found : file.model, aspect, path)) {
        view_.showError(*error);
        return false;
    }

    const Snapshot before = takeSnapshot();
    calculatorReady_ = false;
    int target = static_cast<int>(found - table.begin());
    if (found == table.end()) {
        if (table.size() >= kMaxModels) {
            view_.showError(makeError(ErrorCode::TableFull,
                                      "cannot open " + path + ": the model list is full (" +
                                          std::to_string(kMaxModels) + " models)"));
            restoreSnapshot(before);
            return false;
        }
        state_.modelTable.push_back(file.model);
        fillModelList();
        target = static_cast<int>(state_.modelTable.size()) - 1;
    }
    int row = 0;
    while (listRows_[static_cast<std::size_t>(row)] != target)
        ++row;
    selectListRow(row);

    view_.setOptionChecked(OptionGroup::Zoom, file.zoomEnd);
    (void)zoomChanged(file.zoomEnd);
    view_.setOptionChecked(OptionGroup::Position, file.projectorPosition);
    (void)positionChanged(file.projectorPosition);
    view_.setOptionChecked(OptionGroup::Units, file.unitIndex);
    (void)unitsChanged(file.unitIndex);
    view_.setOptionChecked(OptionGroup::Aspect, aspect);
    (void)aspectChanged(aspect);

    // The stored diagonal may lie outside the model's limits when the catalogue has changed
    // since the save: then the nearest limit is solved and shown, with the limit message.
    state_.screenDiagonal = file.screenDiagonal;
    clampToLimit_ = true;
    if (!recalculate(kSolveStored, 0)) {
        restoreSnapshot(before);
        return false;
    }
    calculatorReady_ = true;
    takeShownTexts();
    currentFile_ = path;
    setTitleForFile(path);
    return true;
}

bool Calculator::saveCalculationFile() {
    return saveCalculationFile(currentFile_);
}

bool Calculator::saveCalculationFileAs() {
    std::string path;
    return saveCalculationFile(path);
}

bool Calculator::saveCalculationFile(std::string& path) {
    std::string target = path;
    const bool chosen = target.empty() || !fileSystem_.fileExists(target);
    if (chosen) {
        target = view_.askSaveFileName(kCalculationFilter, currentFolder(), "cf");
        if (target.empty()) {
            path.clear();  // a cancelled Save forgets the file that no longer exists
            return false;
        }
    }
    auto text = writeCalculationFile(calculationFileFrom(state_), target);
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
        path = target;
        currentFile_ = target;
        setTitleForFile(target);
    }
    return true;
}

}  // namespace projcalc
