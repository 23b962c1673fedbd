// The File menu's calculation commands: Open, Save and Save As.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/calculator.h"
#include "files/calculation_file.h"
#include "models/model_catalogue.h"
#include "models/model_checks.h"
#include "util/paths.h"

namespace projcalc {

// Open, from the menu or for a file handed over by a later start; the caller has entered what is
// being typed and asked before unsaved changes would be lost.
bool Calculator::open(const std::string& path) {
    const auto bytes = fileSystem_.readFile(path);
    if (const auto* error = std::get_if<AppError>(&bytes)) {
        report(*error);
        return false;
    }
    auto parsed = parseCalculationFile(std::get<std::string>(bytes), path);
    if (auto* error = std::get_if<AppError>(&parsed)) {
        report(*error);
        return false;
    }
    return restoreCalculation(std::get<CalculationFile>(parsed), path);
}

bool Calculator::restoreCalculation(const CalculationFile& file, const std::string& path) {
    // The first model of that name; a model the catalogue lacks joins the list.
    const std::vector<ModelTraits>& models = catalogue_.models();
    const auto found = std::find_if(models.begin(), models.end(), [&](const ModelTraits& m) {
        return m.record.modelName == file.model.modelName;
    });
    const ModelRecord& model = found != models.end() ? found->record : file.model;
    // A model the file brings along gets the checks of a catalogue model.
    if (found == models.end()) {
        if (const auto problem = checkModelValues(file.model)) {
            report(makeError(ErrorCode::InvalidArgument,
                             displayPath(path) + ": the model \"" + file.model.modelName +
                                 "\" cannot be worked with, value " +
                                 std::to_string(problem->column) + ": " + problem->reason));
            return false;
        }
    }
    if (auto error = checkAspectOffered(model, file.aspect, path)) {
        report(*error);
        return false;
    }
    if (found == models.end() && models.size() >= kMaxModels) {
        report(makeError(ErrorCode::TableFull, "cannot open " + path +
                                                   ": the model list is full (" +
                                                   std::to_string(kMaxModels) + " models)"));
        return false;
    }

    const int row = static_cast<int>(found - models.begin());
    const ModelTraits traits = found != models.end() ? *found : traitsOf(file.model);
    Calculation c = withModel(calc_, row, traits);
    // The stored choices.
    c.options.zoom = file.zoom;
    c.options.mount = file.mount;
    c.unit = file.unit;
    c.options.aspect = file.aspect;
    c.frontScale = c.traits.frontReferenceFor(file.aspect);
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
    if (found == models.end()) catalogue_.add(traits);
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
