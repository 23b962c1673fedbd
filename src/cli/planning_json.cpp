#include "cli/planning_json.h"

namespace projcalc::cli {
namespace {

// The keys of the zoom ends, by Zoom.
constexpr const char* kEndKeys[] = {"wide", "tele"};

}  // namespace

Json planningJson(const std::optional<Planning>& planning) {
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
    return json;
}

}  // namespace projcalc::cli
