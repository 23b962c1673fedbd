#include "cli/planning_json.h"

namespace projcalc::cli {
namespace {

// The keys of the zoom ends, by Zoom.
constexpr const char* kEndKeys[] = {"wide", "tele"};

template <typename T, typename Write>
Json endsJson(const std::array<std::optional<T>, 2>& ends, Write write) {
    Json json = Json::object();
    for (const Zoom zoom : kAllZooms) {
        const auto& end = ends[static_cast<std::size_t>(indexOf(zoom))];
        json[kEndKeys[indexOf(zoom)]] = end ? write(*end, zoom) : Json(nullptr);
    }
    return json;
}

Json lightJson(const PlanningScreen& screen) {
    if (!screen.light) return nullptr;
    const ScreenLight& light = *screen.light;
    Json json = Json::object();
    json["gain"] = light.settings.gain;
    json["lightPercent"] = light.settings.percent;
    const Json ends = endsJson(light.ends, [&](const EndLight& end, Zoom zoom) {
        Json entry = {{"fL", end.footLamberts},
                      {"nits", end.nits},
                      {"rating", std::string(ratingName(end.rating))}};
        if (const auto& scope = screen.scopeFootLamberts[static_cast<std::size_t>(indexOf(zoom))])
            entry["scopeFL"] = *scope;
        return entry;
    });
    json["wide"] = ends["wide"];
    json["tele"] = ends["tele"];
    return json;
}

Json scopeJson(const std::optional<ScopePlan>& scope) {
    if (!scope) return nullptr;
    Json json = Json::object();
    json["ratio"] = ratioOf(scope->ratio);
    json["width"] = scope->screen.width;
    json["height"] = scope->screen.height;
    json["diagonal"] = scope->screen.diagonal;
    json["imageDiagonal"] = scope->imageDiagonal;
    const Json ends = endsJson(scope->ends, [](const ScopeEnd& end, Zoom) {
        return Json{{"distance", end.distance}, {"withinLimits", end.withinLimits}};
    });
    json["wide"] = ends["wide"];
    json["tele"] = ends["tele"];
    if (scope->zoomMethod) {
        json["zoomMethod"] = {{"standFrom", scope->zoomMethod->standFrom},
                              {"standTo", scope->zoomMethod->standTo}};
    } else {
        json["zoomMethod"] = nullptr;
    }
    return json;
}

}  // namespace

Json planningJson(const PlanningScreen& screen) {
    const std::optional<Planning>& planning = screen.planning;
    if (!planning) return nullptr;
    Json throwRange = Json::object();
    Json imageRange = Json::object();
    for (const Zoom zoom : kAllZooms) {
        const char* key = kEndKeys[indexOf(zoom)];
        if (const auto& end = planning->throwAt(zoom)) {
            throwRange[key] = {{"distance", end->solution.distance},
                               {"withinLimits", end->withinLimits}};
        } else {
            throwRange[key] = nullptr;
        }
        if (const auto& end = planning->imageAt(zoom)) {
            imageRange[key] = {{"diagonal", end->solution.diagonal}};
        } else {
            imageRange[key] = nullptr;
        }
    }
    Json json = Json::object();
    json["throwRange"] = std::move(throwRange);
    json["imageRange"] = std::move(imageRange);
    json["seating"] = {{"smpte30", planning->seatFor(SeatingAngle::Smpte30)},
                       {"thx36", planning->seatFor(SeatingAngle::Thx36)},
                       {"thx40", planning->seatFor(SeatingAngle::Thx40)}};
    json["throwRatio"] =
        endsJson(screen.throwRatio, [](double ratio, Zoom) { return Json(ratio); });
    json["light"] = lightJson(screen);
    json["scope"] = scopeJson(screen.scope);
    return json;
}

}  // namespace projcalc::cli
