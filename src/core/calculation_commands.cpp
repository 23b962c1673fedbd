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

// Open, from the menu or for a file handed over by a later start; the caller has entered what is
// being typed and asked before unsaved changes would be lost.
bool Calculator::open(const std::string& path) {
    std::string bytes;
    if (auto error = fileSystem_.readFile(path, bytes)) {
        report(*error);
        return false;
    }
    auto parsed = parseCalculationFile(bytes, path);
    if (auto* error = std::get_if<AppError>(&parsed)) {
        report(*error);
        return false;
    }
    const CalculationFile& file = std::get<CalculationFile>(parsed);
    if (auto error = checkSelections(file, path)) {
        report(*error);
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
            report(makeError(ErrorCode::InvalidArgument,
                             displayPath(path) + ": the model \"" + file.model.modelName +
                                 "\" cannot be worked with, value " +
                                 std::to_string(problem->column) + ": " + problem->reason));
            return false;
        }
    }
    if (auto error = checkAspectOffered(model, aspect, path)) {
        report(*error);
        return false;
    }
    if (found == catalogue_.end() && catalogue_.size() >= kMaxModels) {
        report(makeError(ErrorCode::TableFull, "cannot open " + path +
                                                   ": the model list is full (" +
                                                   std::to_string(kMaxModels) + " models)"));
        return false;
    }

    const int row = static_cast<int>(found - catalogue_.begin());
    const ModelTraits traits = found != catalogue_.end() ? *found : traitsOf(file.model);
    Calculation c = withModel(calc_, row, traits);
    // The stored choices.
    c.options.zoom = static_cast<Zoom>(file.zoomEnd);
    c.options.mount = static_cast<Mount>(file.projectorPosition);
    c.unit = static_cast<Unit>(file.unitIndex);
    c.options.aspect = aspect;
    c.frontScale = c.traits.frontReferenceFor(aspect);
    // The light inputs and the scope screen; a catalogue model keeps the catalogue's lumens.
    c.light = LightSettings{file.tail.gain, file.tail.lightPercent};
    c.scope = file.tail.scope;
    // The stored diagonal may lie outside the model's limits when the catalogue has changed
    // since the save: then the nearest limit is solved and shown, with the limit message.
    c.results.diagonal = file.screenDiagonal;
    Transition step = solveStoredDiagonal(c, OnLimit::Clamp, context());
    if (step.refused()) {
        show(std::move(step.notices));
        return false;
    }
    if (found == catalogue_.end()) {
        std::vector<ModelTraits> catalogue = catalogue_;
        catalogue.push_back(traits);
        setCatalogue(std::move(catalogue));
    }
    calc_ = std::move(*step.next);
    calc_.file = path;
    history_.clear();
    history_.markSaved(calc_);
    show(std::move(step.notices));
    return true;
}

bool Calculator::saveNeedsName() const {
    return calc_.file.empty() || !fileSystem_.fileExists(calc_.file);
}

bool Calculator::save() {
    if (saveNeedsName()) return false;
    return saveTo(calc_.file);
}

bool Calculator::saveAs(const std::string& path) {
    return saveTo(path);
}

void Calculator::forgetMissingFile() {
    if (!saveNeedsName()) return;
    calc_.file.clear();
    show();
}

bool Calculator::saveTo(const std::string& target) {
    auto text = writeCalculationFile(calculationFileOf(calc_), target);
    std::optional<AppError> error;
    if (auto* failure = std::get_if<AppError>(&text)) {
        error = *failure;
    } else {
        error = fileSystem_.writeFileAtomic(target, std::get<std::string>(text));
    }
    if (error) {
        report(*error);
        return false;
    }
    // The name shows only once the file really holds the calculation.
    calc_.file = target;
    history_.markSaved(calc_);
    show();
    return true;
}

}  // namespace projcalc
