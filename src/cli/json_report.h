#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "cli/cli_actions.h"
#include "core/calculator.h"
#include "core/memory_view.h"
#include "diagrams/scene.h"

namespace projcalc::cli {

// JSON objects keep their keys in the order they were written, so the report reads top down.
using Json = nlohmann::ordered_json;

// Where one step's messages and errors begin in the view's records.
struct StepStart {
    std::size_t messages = 0;
    std::size_t errors = 0;

    [[nodiscard]] static StepStart now(const MemoryView& view) noexcept {
        return {view.messages.size(), view.errors.size()};
    }
};

// What a report holds besides the state that every report has.
struct ReportOptions {
    bool scenes = false;                  // add "scenes" (the front and side drawings)
    StepStart since;                      // report the messages and errors from here on
    std::optional<std::string> step;      // the traced step ("start-up" or the action as typed)
    std::filesystem::path dataFolder;     // reported as "dataFolder"
    const CliAnswers* answers = nullptr;  // "fit" and "table", when actions asked for them
    // Which Enter buttons show: the command line leaves every box after typing into it, so none.
    std::array<bool, 4> enterVisible{};
};

// The Screen the view last showed, written out: title, whether there are changes, model list
// and selection, options, value and offset boxes, the planning read-outs, the messages and
// errors since `options.since` and with `scenes` both drawings; and what only the command line
// reports, the Enter buttons and the calculator's numbers ("state").
[[nodiscard]] Json buildReport(const Calculator& calculator, const MemoryView& view,
                               const ReportOptions& options);

// The report of a start-up that ended the program: {"fatal": true, "planning": null,
// "messages", "errors"}.
[[nodiscard]] Json buildFatalReport(const MemoryView& view,
                                    const std::filesystem::path& dataFolder);

// One drawing: its size, its items in drawing order and the controls placed on it.
[[nodiscard]] Json sceneJson(const Scene& scene);

// The JSON text, indented by `indent` spaces (-1: one line). Bytes that are not UTF-8 become
// U+FFFD instead of failing.
[[nodiscard]] std::string dumpJson(const Json& json, int indent);

}  // namespace projcalc::cli
