#include "cli/json_report.h"

#include "calc/planning_text.h"
#include "calc/scope.h"
#include "cli/cli_actions.h"
#include "cli/planning_json.h"
#include "core/light_scope_text.h"

namespace projcalc::cli {
namespace {

Json pointJson(const Point& point) {
    return Json::array({point.x, point.y});
}

Json sizeJson(const Size& size) {
    return Json::array({size.width, size.height});
}

// A line keeps its two ends in `points`; a missing end reads as the origin.
Point pointAt(const std::vector<Point>& points, std::size_t index) {
    return index < points.size() ? points[index] : Point{};
}

Json itemJson(const SceneItem& item) {
    Json json = Json::object();
    switch (item.kind) {
        case SceneItem::Kind::Polygon: {
            json["kind"] = "polygon";
            Json points = Json::array();
            for (const Point& point : item.points)
                points.push_back(pointJson(point));
            json["points"] = std::move(points);
            break;
        }
        case SceneItem::Kind::Line:
            json["kind"] = "line";
            json["from"] = pointJson(pointAt(item.points, 0));
            json["to"] = pointJson(pointAt(item.points, 1));
            break;
        case SceneItem::Kind::Image:
            // A picture is painted as it is, at its size: no pen, no brush.
            json["kind"] = "image";
            json["name"] = item.imageName;
            json["at"] = pointJson(item.at);
            json["size"] = sizeJson(item.size);
            return json;
    }
    json["pen"] = penDefinition(item.pen).name;
    if (item.brush != BrushId::None) json["brush"] = brushDefinition(item.brush).name;
    return json;
}

// The fixed name of the checked option of a group, or null when none is checked.
Json checkedOptionJson(const OptionsScreen& options, OptionGroup group) {
    const int index = options.checkedIndex(group);
    if (index < 0) return nullptr;
    return std::string(optionName(group, index));
}

template <std::size_t N>
Json enabledJson(const std::array<OptionButton, N>& buttons) {
    Json flags = Json::array();
    for (const OptionButton& option : buttons)
        flags.push_back(option.enabled);
    return flags;
}

// The tooltips of a group's buttons: for a greyed one, why it is greyed.
template <std::size_t N>
Json tooltipsJson(const std::array<OptionButton, N>& buttons) {
    Json tips = Json::array();
    for (const OptionButton& option : buttons)
        tips.push_back(option.tooltip);
    return tips;
}

Json optionsJson(const OptionsScreen& options) {
    Json json = Json::object();
    json["aspect"] = checkedOptionJson(options, OptionGroup::Aspect);
    json["zoom"] = checkedOptionJson(options, OptionGroup::Zoom);
    json["units"] = checkedOptionJson(options, OptionGroup::Units);
    json["position"] = checkedOptionJson(options, OptionGroup::Position);
    json["aspectEnabled"] = enabledJson(options.aspects);
    json["zoomEnabled"] = enabledJson(options.zooms);
    json["aspectTips"] = tooltipsJson(options.aspects);
    json["zoomTips"] = tooltipsJson(options.zooms);
    return json;
}

Json modelJson(const Screen& screen) {
    Json json = Json::object();
    json["row"] = screen.selectedRow;
    if (const std::optional<std::string> name = screen.selectedModel()) {
        json["name"] = *name;
    } else {
        json["name"] = nullptr;
    }
    return json;
}

// The calculator's numbers, in inches. Each is written as the shortest text that reads back as
// the same double.
Json stateJson(const Calculation& calculation) {
    const Solution& results = calculation.results;
    const DiagonalLimitPair limits = calculation.currentLimits();
    Json json = Json::object();
    json["screenWidth"] = results.width;
    json["screenHeight"] = results.height;
    json["screenDiagonal"] = results.diagonal;
    json["projectionDistance"] = results.distance;
    json["offsetA"] = results.offsetA;
    json["offsetB"] = results.offsetB;
    json["frontViewScale"] = calculation.frontScale;
    json["currentMaxDiagonal"] = limits.largest;
    json["currentMinDiagonal"] = limits.smallest;
    return json;
}

Json messagesJson(const MemoryView& view, std::size_t from) {
    Json messages = Json::array();
    for (std::size_t i = from; i < view.messages.size(); ++i)
        messages.push_back(view.messages[i]);
    return messages;
}

Json errorsJson(const MemoryView& view, std::size_t from) {
    Json errors = Json::array();
    for (std::size_t i = from; i < view.errors.size(); ++i) {
        errors.push_back(
            {{"number", view.errors[i].number()}, {"description", view.errors[i].description}});
    }
    return errors;
}

template <typename Container>
Json arrayOf(const Container& values) {
    Json array = Json::array();
    for (const auto& value : values)
        array.push_back(value);
    return array;
}

Json footLambertsJson(const std::optional<double>& footLamberts) {
    return footLamberts ? Json(*footLamberts) : Json(nullptr);
}

// A length in inches, as the double itself, and the light of that end on the screen.
Json endJson(const std::optional<EndResult>& end, bool withOffsets,
             const std::optional<double>& footLamberts) {
    if (!end) return nullptr;
    Json json = Json::object();
    json["distance"] = end->solution.distance;
    if (withOffsets) {
        json["offsetA"] = end->solution.offsetA;
        json["offsetB"] = end->solution.offsetB;
    }
    json["withinLimits"] = end->withinLimits;
    json["fL"] = footLambertsJson(footLamberts);
    return json;
}

Json fitJson(const FitAnswer& fit, const Screen& screen) {
    Json models = Json::array();
    for (const FittingModel& model : fit.models) {
        const auto row = static_cast<std::size_t>(model.model);
        Json entry = Json::object();
        entry["row"] = model.model;
        entry["name"] = row < screen.models.size() ? screen.models[row] : std::string();
        entry["wide"] = endJson(model.ends[0], false, model.footLamberts[0]);
        entry["tele"] = endJson(model.ends[1], false, model.footLamberts[1]);
        entry["standFrom"] = model.standFrom;
        entry["standTo"] = model.standTo;
        models.push_back(std::move(entry));
    }
    Json json = Json::object();
    json["diagonal"] = fit.diagonal;
    json["near"] = fit.nearest;
    json["far"] = fit.farthest;
    json["models"] = std::move(models);
    return json;
}

Json tableJson(const std::vector<ThrowRow>& rows) {
    Json json = Json::array();
    for (const ThrowRow& row : rows) {
        json.push_back({{"diagonal", row.diagonal},
                        {"width", row.width},
                        {"height", row.height},
                        {"wide", endJson(row.ends[0], true, row.footLamberts[0])},
                        {"tele", endJson(row.ends[1], true, row.footLamberts[1])}});
    }
    return json;
}

// One zoom end's text as the planning panel shows it.
Json endTextJson(const PlanningEndText& end) {
    return {{"text", end.value}, {"outsideLimits", end.outsideLimits}};
}

// The planning panel's texts in the selected unit, under the keys of "planning"; null with it.
Json planningTextsJson(const PlanningScreen& planning, const InterfaceTexts& interfaceTexts) {
    if (!planning.planning) return nullptr;
    const PlanningTexts texts = planningTexts(planning.planning, planning.unit);
    const LightScopeTexts more = lightScopeTexts(planning, interfaceTexts);
    Json scope = nullptr;
    if (more.scopeShown) {
        scope = {{"size", more.scopeSize},
                 {"wide", endTextJson(more.scopeThrow[0])},
                 {"tele", endTextJson(more.scopeThrow[1])},
                 {"note", more.scopeNote}};
    } else if (!more.scopeNote.empty()) {
        scope = more.scopeNote;  // why there are no scope figures: 16 : 9 is needed
    }
    return {{"throwRatio", {{"wide", more.throwRatio[0]}, {"tele", more.throwRatio[1]}}},
            {"light", more.noLumens.empty() ? Json{{"wide", more.light[0]}, {"tele", more.light[1]}}
                                            : Json(more.noLumens)},
            {"scope", std::move(scope)},
            {"throwRange",
             {{"wide", endTextJson(texts.throwDistance[0])},
              {"tele", endTextJson(texts.throwDistance[1])}}},
            {"imageRange",
             {{"wide", endTextJson(texts.imageDiagonal[0])},
              {"tele", endTextJson(texts.imageDiagonal[1])}}},
            {"seating",
             {{"smpte30", texts.seating[0]},
              {"thx36", texts.seating[1]},
              {"thx40", texts.seating[2]}}}};
}

// The planning panel's inputs as it shows them, with or without figures: the gain and the share
// in force, and the scope screen chosen, each as gain=, light= and scope= take it.
Json planningInputsJson(const PlanningScreen& planning, const InterfaceTexts& interfaceTexts) {
    const LightScopeTexts shown = lightScopeTexts(planning, interfaceTexts);
    return {{"gain", shown.gain},
            {"share", shown.share},
            {"scope", std::string(scopeRatioText(planning.scopeRatio))}};
}

}  // namespace

Json sceneJson(const Scene& scene) {
    Json json = Json::object();
    json["width"] = scene.width;
    json["height"] = scene.height;
    Json items = Json::array();
    for (const SceneItem& item : scene.items)
        items.push_back(itemJson(item));
    json["items"] = std::move(items);
    Json controls = Json::object();
    for (const ControlPlacement& control : scene.controls) {
        controls[control.name] = {{"at", pointJson(control.at)},
                                  {"size", sizeJson(control.size)},
                                  {"visible", control.visible}};
    }
    json["controls"] = std::move(controls);
    return json;
}

Json buildReport(const Calculator& calculator, const MemoryView& view,
                 const ReportOptions& options) {
    const Screen& screen = view.screen;
    Json json = Json::object();
    if (options.step) json["step"] = *options.step;
    json["title"] = screen.title;
    json["currentFile"] = screen.file;
    json["changed"] = screen.changed;
    json["model"] = modelJson(screen);
    json["modelList"] = arrayOf(screen.models);
    json["options"] = optionsJson(screen.options);
    json["boxes"] = arrayOf(screen.boxes);
    json["offsets"] = arrayOf(screen.offsets);
    json["offsetVisible"] = arrayOf(screen.offsetVisible);
    json["enterVisible"] = arrayOf(options.enterVisible);
    json["canUndo"] = screen.canUndo;
    json["canRedo"] = screen.canRedo;
    json["state"] = stateJson(calculator.calculation());
    json["planning"] = planningJson(screen.planning);
    json["planningTexts"] = planningTextsJson(screen.planning, calculator.texts());
    json["planningInputs"] = planningInputsJson(screen.planning, calculator.texts());
    json["messages"] = messagesJson(view, options.since.messages);
    json["errors"] = errorsJson(view, options.since.errors);
    json["dataFolder"] = options.dataFolder.string();
    if (options.scenes) {
        json["scenes"] = {{"front", sceneJson(screen.front)}, {"side", sceneJson(screen.side)}};
    }
    if (options.answers != nullptr && options.answers->fit)
        json["fit"] = fitJson(*options.answers->fit, screen);
    if (options.answers != nullptr && options.answers->table)
        json["table"] = tableJson(*options.answers->table);
    return json;
}

Json buildFatalReport(const MemoryView& view, const std::filesystem::path& dataFolder) {
    Json json = Json::object();
    json["fatal"] = true;
    json["planning"] = nullptr;  // nothing was worked out
    json["messages"] = messagesJson(view, 0);
    json["errors"] = errorsJson(view, 0);
    json["dataFolder"] = dataFolder.string();
    return json;
}

std::string dumpJson(const Json& json, int indent) {
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace projcalc::cli
