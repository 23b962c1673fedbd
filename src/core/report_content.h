#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "diagrams/scene.h"
#include "i18n/language.h"

namespace projcalc {

// What the user gives a report: its title and who prepared it; and the date it carries.
struct ReportHeading {
    std::string title;
    std::string preparedBy;  // left out of the report when empty
    std::string date;        // as reportDate gives it: "2024-05-01"
};

// A line of a report table: a label and one text per column.
struct ReportRow {
    std::string label;
    std::vector<std::string> cells;

    friend bool operator==(const ReportRow&, const ReportRow&) = default;
};

// A titled table of a report. `columns` heads the cells (empty: one column without a heading).
struct ReportSection {
    std::string heading;
    std::vector<std::string> columns;
    std::vector<ReportRow> rows;

    friend bool operator==(const ReportSection&, const ReportSection&) = default;
};

// A text lying on a drawing where the window shows a control: a value or offset box (framed,
// centred on the box, which grows with its text) or a caption (left-aligned on the caption).
struct DrawingText {
    enum class Kind { Box, Caption };
    Kind kind = Kind::Box;
    std::string control;  // the control's object name: "txtValue_0", "lblOffset", ...
    Point at;
    Size size;
    std::string text;

    friend bool operator==(const DrawingText&, const DrawingText&) = default;
};

// One drawing of a report: the window's scene laid out for the report's texts, with the pictures
// that lie on it as controls added as items, and the texts of its boxes and captions.
struct ReportDrawing {
    std::string caption;  // under the drawing: "Front view (to scale)"
    Scene scene;
    std::vector<DrawingText> texts;

    friend bool operator==(const ReportDrawing&, const ReportDrawing&) = default;
};

// Everything a one-page installation report shows, as texts and display lists: the painter only
// places them. Sections in order: the installation (model, aspect, zoom end, mounting, unit);
// with results, the four values and the offsets (each "120 in (305 cm)": the selected unit and
// the other system's equivalent), the planning read-outs by zoom end and the seats; then the
// front and the side drawing. Without results the values, planning and drawings are left out.
struct ReportContent {
    std::string title;
    std::vector<ReportRow> heading;  // "Prepared by" when given, "Date"
    std::vector<ReportSection> sections;
    std::vector<ReportDrawing> drawings;

    friend bool operator==(const ReportContent&, const ReportContent&) = default;
};

// The title a report is offered with: the calculation file's name without its extension, or
// the name of a calculation never saved ("Untitled").
[[nodiscard]] std::string defaultReportTitle(const Calculation& calculation,
                                             const InterfaceTexts& texts);

// The report of a calculation, its labels as the window and the planning panel show them.
// The size, in drawing pixels, of a text as the report writes it on a drawing (the view measures
// it in the report's font at the window's type size).
using DrawingTextMeasure = std::function<Size(const std::string& text)>;

// The report's drawings are laid out as the window lays out its own, for the texts the report
// writes: each caption, which carries the unit, is given the room `measure` says it needs (and no
// unit lies beside the boxes), so that the layout keeps rays and marks off the whole caption.
[[nodiscard]] ReportContent reportContent(const Calculation& calculation,
                                          const InterfaceTexts& texts, const ReportHeading& heading,
                                          const DrawingTextMeasure& measure);

}  // namespace projcalc
