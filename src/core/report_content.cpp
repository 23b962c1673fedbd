#include "core/report_content.h"

#include <algorithm>
#include <optional>

#include "calc/offsets.h"
#include "calc/planning.h"
#include "calc/planning_text.h"
#include "calc/readout.h"
#include "calc/scope.h"
#include "calc/unit_equivalent.h"
#include "core/light_scope_text.h"
#include "core/present.h"
#include "core/screen.h"
#include "diagrams/front_view.h"
#include "diagrams/metrics.h"
#include "diagrams/side_view.h"
#include "util/paths.h"

namespace projcalc {
namespace {

std::string indexed(const char* name, int index) {
    return std::string(name) + "_" + std::to_string(index);
}

// The report's sign of a unit ("in", "cm"), from the language file.
std::string unitSign(const InterfaceTexts& texts, LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Feet:
            return texts.text("rptUnit_1");
        case LengthUnit::Centimeters:
            return texts.text("rptUnit_2");
        case LengthUnit::Metres:
            return texts.text("rptUnitMetres");
        case LengthUnit::Inches:
            break;
    }
    return texts.text("rptUnit_0");
}

std::string withSign(const InterfaceTexts& texts, const std::string& number, LengthUnit unit) {
    return number + " " + unitSign(texts, unit);
}

// "120 in (305 cm)": a length as the selected unit shows it, its equivalent beside it.
std::string lengthWithEquivalent(const InterfaceTexts& texts, double inches, Unit unit, Zoom zoom) {
    const LengthText other = equivalentLength(inches, unit, zoom);
    return withSign(texts, lengthText(inches, unit, zoom), lengthUnitOf(unit)) + " (" +
           withSign(texts, other.number, other.unit) + ")";
}

ReportSection installationSection(const Calculation& c, const InterfaceTexts& texts) {
    const auto row = [&texts](const char* label, std::string value) {
        return ReportRow{captionOf(texts, label), {std::move(value)}};
    };
    const Options& o = c.options;
    return {texts.text("rptInstallation"),
            {},
            {row("lblModel", c.model >= 0 ? c.traits.record.modelName : std::string()),
             row("fraAspect", std::string(nameOf(o.aspect).caption)),
             row("fraWIDE", captionOf(texts, indexed("optWIDE", indexOf(o.zoom)))),
             row("fraPosition", captionOf(texts, indexed("optPosition", indexOf(o.mount)))),
             row("fraUnits", captionOf(texts, indexed("optUnits", indexOf(c.unit))))}};
}

// The offsets the model has at its zoom end, as the offset boxes show them (A, then B).
std::optional<std::vector<std::string>> shownOffsets(const Calculation& c, Unit unit) {
    auto texts = offsetTexts(c.traits, c.options, unit, c.results.height, c.results.distance);
    if (!texts) return std::nullopt;
    std::vector<std::string> shown = {(*texts)[0]};
    if (c.traits.offsets(c.options.zoom) == 2) shown.push_back((*texts)[1]);
    return shown;
}

ReportSection resultsSection(const Calculation& c, const InterfaceTexts& texts) {
    ReportSection section{texts.text("rptResults"), {}, {}};
    const Solution& r = c.results;
    const double lengths[] = {r.distance, r.diagonal, r.width, r.height};
    for (const Quantity box : kAllQuantities) {
        section.rows.push_back(
            {boxCaption(texts, box),
             {lengthWithEquivalent(texts, lengths[indexOf(box)], c.unit, c.options.zoom)}});
    }
    const Unit otherUnit = offsetEquivalentUnit(c.unit);
    const auto shown = shownOffsets(c, c.unit);
    const auto other = shownOffsets(c, otherUnit);
    if (shown && other && shown->size() == other->size()) {
        std::string cell;
        for (std::size_t i = 0; i < shown->size(); ++i) {
            if (i > 0) cell += " ~ ";
            cell += withSign(texts, (*shown)[i], lengthUnitOf(c.unit)) + " (" +
                    withSign(texts, (*other)[i], lengthUnitOf(otherUnit)) + ")";
        }
        section.rows.push_back({captionOf(texts, "lblOffset"), {std::move(cell)}});
    }
    return section;
}

// The planning panel as two tables: both zoom ends for the screen and for the distance, then
// the seats.
std::vector<ReportSection> planningSections(const Calculation& c, const InterfaceTexts& texts) {
    const PlanningCaptions& captions = texts.planning;
    const PlanningTexts shown = planningTexts(planningFor(c.traits, c.options, c.results), c.unit);
    const auto endsRow = [&captions](const std::string& label,
                                     const std::array<PlanningEndText, 2>& ends) {
        ReportRow row{label, {}};
        for (const PlanningEndText& end : ends) {
            row.cells.push_back(end.outsideLimits ? end.value + " (" + captions.outsideLimits + ")"
                                                  : end.value);
        }
        return row;
    };
    ReportSection ranges{captions.panelTitle,
                         {captions.zoomHeadings[0], captions.zoomHeadings[1]},
                         {endsRow(captions.throwRow, shown.throwDistance),
                          endsRow(captions.imageRow, shown.imageDiagonal)}};
    // The throw ratio and the light on the screen, with the gain and share it is worked out for.
    const PlanningScreen figures = planningScreen(c);
    const LightScopeCaptions light = lightScopeCaptions(texts);
    const LightScopeTexts lightTexts = lightScopeTexts(figures, texts);
    ranges.rows.push_back(
        {light.throwRatioRow, {lightTexts.throwRatio[0], lightTexts.throwRatio[1]}});
    if (lightTexts.noLumens.empty()) {
        ranges.rows.push_back({light.lightRow, {lightTexts.light[0], lightTexts.light[1]}});
        ranges.rows.push_back({light.gain, {lightTexts.gain, ""}});
        ranges.rows.push_back({light.share, {lightTexts.share, ""}});
    } else {
        ranges.rows.push_back({light.lightRow, {lightTexts.noLumens, ""}});
    }
    ReportSection seats{captions.seatingHeading, {}, {}};
    for (const SeatingAngle angle : kAllSeatingAngles) {
        const auto a = static_cast<std::size_t>(angle);
        seats.rows.push_back({captions.seats[a], {shown.seating[a]}});
    }
    std::vector<ReportSection> sections{std::move(ranges), std::move(seats)};
    // The scope screen chosen: its figures by zoom end, or why there are none.
    if (c.scope != ScopeRatio::None) {
        ReportSection scope{
            light.scope + ": " + light.scopeChoices[static_cast<std::size_t>(c.scope)],
            {captions.zoomHeadings[0], captions.zoomHeadings[1]},
            {}};
        if (lightTexts.scopeShown) {
            scope.rows.push_back({light.scope, {lightTexts.scopeSize, ""}});
            scope.rows.push_back(endsRow(light.scopeThrowRow, lightTexts.scopeThrow));
        }
        scope.rows.push_back({"", {lightTexts.scopeNote, ""}});
        sections.push_back(std::move(scope));
    }
    return sections;
}

// The captions the report writes on its drawings: the window's, with the unit.
struct DrawingCaptions {
    std::array<std::string, 4> values;  // lblValue_0 to lblValue_3
    std::string offset;                 // lblOffset
};

DrawingCaptions drawingCaptions(const Calculation& c, const InterfaceTexts& texts) {
    const std::string unit = " (" + unitSign(texts, lengthUnitOf(c.unit)) + ")";
    DrawingCaptions captions;
    for (const Quantity box : kAllQuantities)
        captions.values[static_cast<std::size_t>(indexOf(box))] = boxCaption(texts, box) + unit;
    captions.offset = captionOf(texts, "lblOffset") + unit;
    return captions;
}

// The window's design sizes with each caption as large as its report text needs and no unit
// beside the boxes.
DiagramMetrics drawingMetrics(const DrawingCaptions& captions, const DrawingTextMeasure& measure) {
    const auto atLeast = [](Size size, Size needed) {
        return Size{std::max(size.width, needed.width), std::max(size.height, needed.height)};
    };
    DiagramMetrics m;
    for (std::size_t i = 0; i < 4; ++i) {
        m.front.caption[i] = atLeast(m.front.caption[i], measure(captions.values[i]));
        m.front.unit[i] = {};
    }
    m.side.caption = atLeast(m.side.caption, measure(captions.offset));
    m.side.unit = {};
    return m;
}

// The texts of the controls lying on a drawing; the range sign joins the drawing's pictures.
// The boxes show what the window's boxes show, their captions add the unit.
ReportDrawing drawingOf(std::string caption, Scene scene, const Calculation& c,
                        const DrawingCaptions& captions) {
    ReportDrawing drawing{std::move(caption), std::move(scene), {}};
    const auto offsets =
        offsetTexts(c.traits, c.options, c.unit, c.results.height, c.results.distance);
    const Solution& r = c.results;
    const double lengths[] = {r.distance, r.diagonal, r.width, r.height};
    for (const ControlPlacement& control : drawing.scene.controls) {
        if (!control.visible) continue;
        const auto add = [&](DrawingText::Kind kind, std::string text) {
            drawing.texts.push_back(
                {kind, control.name, control.at, control.size, std::move(text)});
        };
        for (const Quantity box : kAllQuantities) {
            const int i = indexOf(box);
            if (control.name == indexed("txtValue", i))
                add(DrawingText::Kind::Box, lengthText(lengths[i], c.unit, c.options.zoom));
            if (control.name == indexed("lblValue", i))
                add(DrawingText::Kind::Caption, captions.values[static_cast<std::size_t>(i)]);
        }
        for (std::size_t i = 0; i < 2; ++i) {
            if (offsets && control.name == indexed("txtOffset", static_cast<int>(i)))
                add(DrawingText::Kind::Box, (*offsets)[i]);
        }
        if (control.name == "lblOffset") add(DrawingText::Kind::Caption, captions.offset);
        if (control.name == "imgKara") {
            SceneItem sign;
            sign.kind = SceneItem::Kind::Image;
            sign.imageName = control.name;
            sign.at = control.at;
            drawing.scene.items.push_back(std::move(sign));
        }
    }
    return drawing;
}

}  // namespace

std::string defaultReportTitle(const Calculation& calculation, const InterfaceTexts& texts) {
    if (calculation.file.empty()) return texts.editing.untitled;
    return stripExtension(fileNameOf(calculation.file));
}

ReportContent reportContent(const Calculation& c, const InterfaceTexts& texts,
                            const ReportHeading& heading, const DrawingTextMeasure& measure) {
    ReportContent report;
    report.title = heading.title;
    if (!heading.preparedBy.empty())
        report.heading.push_back({texts.text("rptPreparedBy"), {heading.preparedBy}});
    report.heading.push_back({texts.text("rptDate"), {heading.date}});
    report.sections.push_back(installationSection(c, texts));
    if (c.model < 0 || !c.resultsValid) return report;

    report.sections.push_back(resultsSection(c, texts));
    for (ReportSection& section : planningSections(c, texts))
        report.sections.push_back(std::move(section));

    const DrawingCaptions captions = drawingCaptions(c, texts);
    const DiagramMetrics metrics = drawingMetrics(captions, measure);
    const std::optional<ScopePlan> scope = scopePlan(c.traits, c.options, c.scope, c.results);
    const FrontDrawing front =
        frontScene(c.results, c.options, c.frontScale, metrics.front,
                   distancesOf(throwRangeFor(c.traits, c.options, c.results)),
                   scope ? scope->screen.width : 0.0);
    const Scene side = sideScene(c.traits, c.options, c.results, metrics.side);
    for (auto& [caption, scene] : {std::pair{texts.text("rptFrontView"), front.scene},
                                   std::pair{texts.text("rptSideView"), side}}) {
        // A drawing that could not be laid out (a screen that never fits) is left out.
        if (!scene.items.empty()) report.drawings.push_back(drawingOf(caption, scene, c, captions));
    }
    return report;
}

}  // namespace projcalc
