#include "i18n/planning_captions.h"

#include <optional>

#include "i18n/language.h"

namespace projcalc {

PlanningCaptions readPlanningCaptions(const Profile& languageFile) {
    PlanningCaptions captions;
    const auto read = [&languageFile](const std::string& key, std::string& target) {
        if (std::optional<std::string> text = readLanguageText(languageFile, key))
            target = std::move(*text);
    };
    read("mnuView", captions.viewMenu);
    read("mnuViewPlanning", captions.showPlanning);
    read("fraPlanning", captions.panelTitle);
    for (std::size_t i = 0; i < captions.zoomHeadings.size(); ++i)
        read("lblPlanZoom_" + std::to_string(i), captions.zoomHeadings[i]);
    read("lblPlanThrow", captions.throwRow);
    read("lblPlanImage", captions.imageRow);
    read("lblPlanSeating", captions.seatingHeading);
    for (std::size_t i = 0; i < captions.seats.size(); ++i)
        read("lblPlanSeat_" + std::to_string(i), captions.seats[i]);
    read("lblPlanOutside", captions.outsideLimits);
    read("tipPlanOutside", captions.outsideLimitsTip);
    return captions;
}

}  // namespace projcalc
