#include "cli/cli_actions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <span>
#include <system_error>
#include <utility>

#include "calc/throw_table.h"
#include "calc/units.h"
#include "cli/cli_light_actions.h"
#include "core/asking.h"
#include "util/numbers.h"

namespace projcalc::cli {
namespace {

// The command line names the option buttons by their words (nameOf), compared without case and
// blanks; the report names the options by their captions (optionName).
// The value boxes by index: 0 distance, 1 diagonal, 2 width, 3 height.
constexpr std::array<std::string_view, 4> kBoxNames = {"distance", "diagonal", "width", "height"};

// Lower-case ASCII without blanks: "16 : 9" and "16:9", "TELE" and "tele" are the same choice.
std::string normalised(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c == ' ' || c == '\t') continue;
        result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return result;
}

std::string joined(std::span<const std::string_view> words, std::string_view separator) {
    std::string result;
    for (const std::string_view word : words) {
        if (!result.empty()) result += separator;
        result += word;
    }
    return result;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The option index that an argument names; throws UsageError when it names none.
int optionIndex(OptionGroup group, std::string_view argument) {
    const auto choices = optionNames(group);
    const std::string wanted = normalised(argument);
    std::vector<std::string_view> accepted;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].word == wanted) return static_cast<int>(i);
        accepted.push_back(choices[i].word);
    }
    throw UsageError("expected one of " + joined(accepted, ", "));
}

Quantity boxIndex(std::string_view argument) {
    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        if (kBoxNames[i] == argument) return static_cast<Quantity>(i);
    }
    throw UsageError("expected one of " + joined(kBoxNames, ", "));
}

std::string selectedModelName(const MemoryView& view) {
    const std::optional<std::string> name = view.screen.selectedModel();
    return name ? inQuotes(*name) : "(none)";
}

// ---- model list ------------------------------------------------------------------------------

void pickModelByName(ActionContext& context, const std::string& name) {
    const auto& rows = context.view.screen.models;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row] == name) {
            context.calculator.pickModel(static_cast<int>(row));
            return;
        }
    }
    throw UsageError("the model list of " + context.calculator.dataFolder() +
                     "ModelInfo.ini has no row " + inQuotes(name));
}

std::size_t rowNumber(std::string_view argument) {
    std::size_t row = 0;
    const char* end = argument.data() + argument.size();
    const auto [next, error] = std::from_chars(argument.data(), end, row);
    if (argument.empty() || error != std::errc() || next != end) {
        throw UsageError("expected a row number counted from 0 (0, 1, 2, ...)");
    }
    return row;
}

void checkRowNumber(std::string_view argument) {
    (void)rowNumber(argument);
}

void pickModelRow(ActionContext& context, const std::string& argument) {
    const std::size_t row = rowNumber(argument);
    const std::size_t rows = context.view.screen.models.size();
    if (row >= rows) {
        throw UsageError("the model list has " + std::to_string(rows) + " rows, numbered 0 to " +
                         std::to_string(rows - 1));
    }
    context.calculator.pickModel(static_cast<int>(row));
}

// ---- option buttons --------------------------------------------------------------------------

template <OptionGroup Group>
void checkOption(std::string_view argument) {
    (void)optionIndex(Group, argument);
}

// A click on an option button; a disabled button cannot be clicked.
template <OptionGroup Group>
void clickOption(ActionContext& context, const std::string& argument) {
    const int index = optionIndex(Group, argument);
    const std::vector<OptionButton> buttons = context.view.group(Group);
    if (static_cast<std::size_t>(index) >= buttons.size() ||
        !buttons[static_cast<std::size_t>(index)].enabled) {
        throw UsageError("the option " + inQuotes(optionName(Group, index)) +
                         " is disabled for the model " + selectedModelName(context.view));
    }
    Calculator& calculator = context.calculator;
    switch (Group) {
        case OptionGroup::Aspect:
            calculator.choose(static_cast<Aspect>(index));
            break;
        case OptionGroup::Zoom:
            calculator.choose(static_cast<Zoom>(index));
            break;
        case OptionGroup::Units:
            calculator.choose(static_cast<Unit>(index));
            break;
        case OptionGroup::Position:
            calculator.choose(static_cast<Mount>(index));
            break;
    }
}

// ---- value boxes -----------------------------------------------------------------------------

// Typing into a value box: focus it, replace its text, press Enter, move the focus out. Leaving
// the box after Enter commits the text it then shows, which changes nothing.
template <Quantity Box>
void typeValue(ActionContext& context, const std::string& text) {
    if (!context.calculator.commit(Box, text)) return;
    (void)context.calculator.commit(Box, context.view.boxText(Box));
}

void checkBoxName(std::string_view argument) {
    (void)boxIndex(argument);
}

void leaveBox(ActionContext& context, const std::string& argument) {
    const Quantity box = boxIndex(argument);
    (void)context.calculator.commit(box, context.view.boxText(box));
}

// ---- files
// ---------------------------------------------------------------------------------------

// The file dialog the command shows is answered with FILE made absolute; an empty FILE cancels.
// An answer no dialog asked for is dropped, so it cannot answer a later dialog.
template <bool (*Command)(Calculator&, View&)>
void answerDialog(ActionContext& context, const std::string& file) {
    std::error_code ec;
    const std::filesystem::path absolute =
        file.empty() ? std::filesystem::path() : std::filesystem::absolute(file, ec);
    context.view.dialogAnswers.assign(1, absolute.string());
    (void)Command(context.calculator, context.view);
    context.view.dialogAnswers.clear();
}

// ---- questions about the catalogue -----------------------------------------------------------

// A plain decimal number, read in full; anything else throws UsageError.
double plainNumber(std::string_view text, std::string_view what) {
    const std::optional<double> value = readPlainNumber(text);
    if (!value) {
        throw UsageError(std::string(what) + " \"" + std::string(text) +
                         "\" is not a plain decimal number");
    }
    return *value;
}

// "A..B" split at its "..".
std::pair<std::string_view, std::string_view> range(std::string_view text, std::string_view form) {
    const auto dots = text.find("..");
    if (dots == std::string_view::npos) {
        throw UsageError("expected " + std::string(form));
    }
    return {text.substr(0, dots), text.substr(dots + 2)};
}

struct Stretch {
    double nearest, farthest;
};

Stretch roomOf(std::string_view argument) {
    const auto [near, far] = range(argument, "NEAR..FAR, two distances such as 100..200");
    const Stretch room{plainNumber(near, "NEAR"), plainNumber(far, "FAR")};
    if (room.nearest < 0 || room.farthest < 0) throw UsageError("a distance is not negative");
    if (room.nearest > room.farthest) throw UsageError("NEAR lies beyond FAR");
    return room;
}

void checkRoom(std::string_view argument) {
    (void)roomOf(argument);
}

void findModels(ActionContext& context, const std::string& argument) {
    const Stretch stretch = roomOf(argument);
    const Calculation& c = context.calculator.calculation();
    const Room room{toInches(stretch.nearest, c.unit), toInches(stretch.farthest, c.unit)};
    const double diagonal = c.results.diagonal;
    context.answers.fit =
        FitAnswer{diagonal, room.nearest, room.farthest,
                  context.calculator.findModels(diagonal, c.options.aspect, room,
                                                context.answers.minimumFootLamberts)};
}

// A whole number below 10^15 with a comma between each group of three digits: "10,000".
std::string wholeNumber(double value) {
    std::string digits = std::to_string(static_cast<unsigned long long>(value));
    for (auto at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

struct Steps {
    double from, to, step;
};

Steps stepsOf(std::string_view argument) {
    const std::string_view form = "FROM..TO:STEP, for example 60..120:10";
    const auto colon = argument.rfind(':');
    if (colon == std::string_view::npos) throw UsageError("expected " + std::string(form));
    const auto [from, to] = range(argument.substr(0, colon), form);
    const Steps steps{plainNumber(from, "FROM"), plainNumber(to, "TO"),
                      plainNumber(argument.substr(colon + 1), "STEP")};
    if (!(steps.from > 0)) throw UsageError("FROM must be above 0: a diagonal has a size");
    if (steps.from > steps.to) throw UsageError("FROM lies beyond TO");
    if (!(steps.step > 0)) throw UsageError("STEP must be above 0");
    // Counted before anything is worked out: a table far too long is refused at once.
    const double rows = steppedDiagonalCount(steps.from, steps.to, steps.step);
    if (rows > static_cast<double>(kMaxThrowTableRows)) {
        const std::string many = rows < 1e15 ? wholeNumber(rows) + " rows" : "far more rows";
        throw UsageError("the table would have " + many + ", more than the " +
                         wholeNumber(static_cast<double>(kMaxThrowTableRows)) +
                         " a table may have: take a larger STEP or a shorter FROM..TO");
    }
    return steps;
}

void checkSteps(std::string_view argument) {
    (void)stepsOf(argument);
}

void throwTableRows(ActionContext& context, const std::string& argument) {
    const Steps steps = stepsOf(argument);
    const Unit unit = context.calculator.calculation().unit;
    context.answers.table = context.calculator.throwTableOf(steppedDiagonals(
        toInches(steps.from, unit), toInches(steps.to, unit), toInches(steps.step, unit)));
}

// ---- edit ------------------------------------------------------------------------------------

// Edit > Undo and Redo; with nothing to do, their menu items cannot be chosen.
void undoStep(ActionContext& context, const std::string& /*argument*/) {
    if (!context.calculator.undo()) throw UsageError("there is nothing to undo");
}

void redoStep(ActionContext& context, const std::string& /*argument*/) {
    if (!context.calculator.redo()) throw UsageError("there is nothing to redo");
}

}  // namespace

const std::vector<ActionEntry>& actionTable() {
    static const std::vector<ActionEntry> table = {
        {"model", "NAME", "pick the first row of the model list whose text is exactly NAME",
         nullptr, pickModelByName},
        {"model-row", "N", "pick row N of the model list, counted from 0", checkRowNumber,
         pickModelRow},
        {"aspect", "4:3|5:4|16:9|16:10", "click that aspect ratio",
         checkOption<OptionGroup::Aspect>, clickOption<OptionGroup::Aspect>},
        {"zoom", "WIDE|TELE", "click that zoom end", checkOption<OptionGroup::Zoom>,
         clickOption<OptionGroup::Zoom>},
        {"units", "inches|feet|centimeters", "click that unit", checkOption<OptionGroup::Units>,
         clickOption<OptionGroup::Units>},
        {"position", "top|bottom", "click where the projector is mounted",
         checkOption<OptionGroup::Position>, clickOption<OptionGroup::Position>},
        {"distance", "TEXT", "type TEXT into the projection distance box, press Enter, leave it",
         nullptr, typeValue<Quantity::Distance>},
        {"diagonal", "TEXT", "type TEXT into the screen diagonal box, press Enter, leave it",
         nullptr, typeValue<Quantity::Diagonal>},
        {"width", "TEXT", "type TEXT into the width box, press Enter, leave it", nullptr,
         typeValue<Quantity::Width>},
        {"height", "TEXT", "type TEXT into the height box, press Enter, leave it", nullptr,
         typeValue<Quantity::Height>},
        {"leave", "distance|diagonal|width|height",
         "click into that box and leave it without typing", checkBoxName, leaveBox},
        {"open", "FILE", "Open Calculate, answering the dialog with FILE (empty: Cancel)", nullptr,
         answerDialog<askAndOpen>},
        {"save", "FILE",
         "Save Calculate; FILE answers the dialog, shown only when no saved file is current",
         nullptr, answerDialog<askAndSave>},
        {"save-as", "FILE", "Save As Calculate, answering the dialog with FILE (empty: Cancel)",
         nullptr, answerDialog<askAndSaveAs>},
        {"catalogue", "FILE",
         "Select model info file..., answering the dialog with FILE (empty: Cancel)", nullptr,
         answerDialog<askAndReplaceCatalogue>},
        {"fit", "NEAR..FAR",
         "list the models that throw the current diagonal and aspect from between NEAR and FAR "
         "(in the selected unit): adds \"fit\"",
         checkRoom, findModels},
        {"table", "FROM..TO:STEP",
         "the selected model's throw table for the diagonals FROM, FROM+STEP, ... up to TO (in "
         "the selected unit): adds \"table\"",
         checkSteps, throwTableRows},
        {"gain", "G",
         "type G into the screen gain input (above 0 up to 10, default 1) and leave it", nullptr,
         typeScreenGain},
        {"light", "P",
         "type P into the light share input (percent of the rated output, 1 to 100, default 100) "
         "and leave it",
         nullptr, typeLightShare},
        {"minfl", "N",
         "the least foot-lamberts some end that counts must reach for the fit= actions that "
         "follow (0: no minimum)",
         checkMinimumFootLamberts, setMinimumFootLamberts},
        {"scope", "2.35|2.39|2.40|none",
         "choose that scope screen (with 16:9: adds the scope figures to \"planning\")",
         checkScopeRatio, chooseScopeRatio},
        {"undo", "", "Edit > Undo: take back the last value, option or model change", nullptr,
         undoStep},
        {"redo", "", "Edit > Redo: do again what undo took back", nullptr, redoStep},
    };
    return table;
}

const ActionEntry* findAction(std::string_view name) noexcept {
    for (const ActionEntry& entry : actionTable()) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

void checkAction(const ActionRequest& request) {
    const ActionEntry* entry = findAction(request.name);
    if (entry == nullptr) {
        throw UsageError(inQuotes(request.text) + ": unknown action " + inQuotes(request.name) +
                         " (projcalc-cli --help lists the actions)");
    }
    if (entry->argument.empty() && request.hasArgument) {
        throw UsageError(inQuotes(request.text) + ": " + inQuotes(request.name) +
                         " is written without a value");
    }
    if (entry->check == nullptr) return;
    try {
        entry->check(request.argument);
    } catch (const UsageError& error) {
        throw UsageError(inQuotes(request.text) + ": " + error.what());
    }
}

void runAction(ActionContext& context, const ActionRequest& request) {
    checkAction(request);
    try {
        findAction(request.name)->run(context, request.argument);
    } catch (const UsageError& error) {
        throw UsageError(inQuotes(request.text) + ": " + error.what());
    }
}

}  // namespace projcalc::cli
