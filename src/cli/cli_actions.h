#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "core/calculator.h"
#include "core/memory_view.h"

namespace projcalc::cli {

// The answer of a fit= action: the models that fit the room, for the current diagonal.
struct FitAnswer {
    double diagonal = 0.0;  // inches
    double nearest = 0.0;
    double farthest = 0.0;
    std::vector<FittingModel> models;
};

// What the questions among the actions answered; the report adds the latest of each.
struct CliAnswers {
    std::optional<FitAnswer> fit;
    std::optional<std::vector<ThrowRow>> table;
    // The finder's least light (minfl=) for the fit= actions that follow; 0: none.
    double minimumFootLamberts = 0.0;
};

// What an action drives: the controller, and the in-memory view it talks to.
struct ActionContext {
    Calculator& calculator;
    MemoryView& view;
    CliAnswers& answers;
};

// One kind of action of the command line ("aspect=16:9", "distance=120", ...). Adding an action
// means adding one entry to the table in cli_actions.cpp; --help lists it from there.
struct ActionEntry {
    std::string_view name;
    // How the argument is written in --help: "4:3|5:4|16:9|16:10". Empty for an action written
    // without a value ("undo").
    std::string_view argument;
    std::string_view help;  // one line for --help
    // Checks the argument before the calculator starts (nullptr: any text is fine). Throws
    // UsageError.
    void (*check)(std::string_view argument);
    // Does what the user would do in the window. Throws UsageError when the window would not let
    // the user do it.
    void (*run)(ActionContext& context, const std::string& argument);
};

// Every action, in the order --help lists them.
[[nodiscard]] const std::vector<ActionEntry>& actionTable();

// The action of that name, or nullptr.
[[nodiscard]] const ActionEntry* findAction(std::string_view name) noexcept;

// Throws UsageError when the action is unknown or its argument can never be right.
void checkAction(const ActionRequest& request);

// Runs one action against the started calculator. Throws UsageError.
void runAction(ActionContext& context, const ActionRequest& request);

}  // namespace projcalc::cli
