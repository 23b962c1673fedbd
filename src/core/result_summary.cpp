#include "core/result_summary.h"

#include "calc/offsets.h"
#include "calc/planning.h"
#include "calc/planning_text.h"
#include "calc/readout.h"

namespace projcalc {
namespace {

std::string indexed(const char* name, int index) {
    return std::string(name) + "_" + std::to_string(index);
}

}  // namespace

std::vector<std::string> resultSummaryLines(const Calculation& c, const InterfaceTexts& texts) {
    const auto line = [&texts](const char* label, const std::string& value) {
        return captionOf(texts, label) + ": " + value;
    };
    const Options& options = c.options;
    std::vector<std::string> lines = {
        line("lblModel", c.model >= 0 ? c.traits.record.modelName : std::string()),
        line("fraAspect", std::string(nameOf(options.aspect).caption)),
        line("fraWIDE", captionOf(texts, indexed("optWIDE", indexOf(options.zoom)))),
        line("fraPosition", captionOf(texts, indexed("optPosition", indexOf(options.mount)))),
    };
    if (c.model < 0 || !c.resultsValid) return lines;

    const std::string unit = " " + captionOf(texts, indexed("optUnits", indexOf(c.unit)));
    const Solution& r = c.results;
    const double lengths[] = {r.distance, r.diagonal, r.width, r.height};
    for (const Quantity box : kAllQuantities) {
        lines.push_back(boxCaption(texts, box) + ": " +
                        lengthText(lengths[indexOf(box)], c.unit, options.zoom) + unit);
    }
    if (const auto offsets = offsetTexts(c.traits, options, c.unit, r.height, r.distance)) {
        std::string shown = (*offsets)[0];
        if (c.traits.offsets(options.zoom) == 2) shown += " ~ " + (*offsets)[1];
        lines.push_back(line("lblOffset", shown + unit));
    }
    return lines;
}

std::vector<std::string> planningSummaryLines(const Calculation& c, const InterfaceTexts& texts) {
    std::vector<std::string> lines;
    if (c.model < 0 || !c.resultsValid) return lines;
    const PlanningTexts shown = planningTexts(planningFor(c.traits, c.options, c.results), c.unit);
    const PlanningCaptions& captions = texts.planning;
    const auto endLines = [&](const std::string& row, const std::array<PlanningEndText, 2>& ends) {
        for (const Zoom zoom : kAllZooms) {
            const auto z = static_cast<std::size_t>(indexOf(zoom));
            std::string line = row + ", " + captions.zoomHeadings[z] + ": " + ends[z].value;
            if (ends[z].outsideLimits) line += " (" + captions.outsideLimits + ")";
            lines.push_back(std::move(line));
        }
    };
    endLines(captions.throwRow, shown.throwDistance);
    endLines(captions.imageRow, shown.imageDiagonal);
    for (const SeatingAngle angle : kAllSeatingAngles) {
        const auto a = static_cast<std::size_t>(angle);
        lines.push_back(captions.seatingHeading + ", " + captions.seats[a] + ": " +
                        shown.seating[a]);
    }
    return lines;
}

std::string summaryText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}  // namespace projcalc
