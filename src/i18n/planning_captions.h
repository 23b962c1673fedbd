#pragma once

#include <array>
#include <string>

#include "util/profile.h"

namespace projcalc {

// The texts of the planning panel and of the View menu that shows it. Each comes from an optional
// key of Language.ini (named beside it) and keeps its English default where the key is missing,
// so that older language files still work.
struct PlanningCaptions {
    std::string viewMenu = "&View";                              // mnuView
    std::string showPlanning = "&Planning";                      // mnuViewPlanning
    std::string panelTitle = "Planning";                         // fraPlanning
    std::array<std::string, 2> zoomHeadings = {"WIDE", "TELE"};  // lblPlanZoom_0, lblPlanZoom_1
    std::string throwRow = "Distance for this screen";           // lblPlanThrow
    std::string imageRow = "Image at this distance";             // lblPlanImage
    std::string seatingHeading = "Seating distance";             // lblPlanSeating
    // lblPlanSeat_0 to lblPlanSeat_2, by SeatingAngle.
    std::array<std::string, 3> seats = {"30\u00b0 (SMPTE, farthest)", "36\u00b0 (THX, farthest)",
                                        "40\u00b0 (THX, recommended)"};
    std::string outsideLimits = "outside limits";  // lblPlanOutside
    // tipPlanOutside: the tooltip of that mark.
    std::string outsideLimitsTip = "This zoom end's diagonal limits do not allow this image";

    friend bool operator==(const PlanningCaptions&, const PlanningCaptions&) = default;
};

// Reads the planning texts of section "Language"; a missing or blank key keeps its default.
[[nodiscard]] PlanningCaptions readPlanningCaptions(const Profile& languageFile);

}  // namespace projcalc
