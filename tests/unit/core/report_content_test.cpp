// What an installation report shows: its heading, the installation, the values with their
// equivalents, the planning read-outs and both drawings with the texts of their boxes.
#include "core/report_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controller_fixture.h"
#include "diagrams/free_place.h"

namespace projcalc {
namespace {

class ReportContentTest : public ControllerFixture {
  protected:
    [[nodiscard]] ReportContent report(const ReportHeading& heading = {"Hall", "", "2024-05-01"}) {
        return reportContent(calculation(), calculator->texts(), heading, sixPixelsALetter);
    }
    // About what the window's 8-point type takes.
    static Size sixPixelsALetter(const std::string& text) {
        return {6 * static_cast<int>(text.size()), 13};
    }
    [[nodiscard]] static const ReportSection* section(const ReportContent& content,
                                                      const std::string& heading) {
        for (const ReportSection& s : content.sections) {
            if (s.heading == heading) return &s;
        }
        return nullptr;
    }
    [[nodiscard]] static std::vector<std::string> firstCells(const ReportSection& s) {
        std::vector<std::string> cells;
        for (const ReportRow& row : s.rows)
            cells.push_back(row.label + ": " + (row.cells.empty() ? "" : row.cells[0]));
        return cells;
    }
};

struct UnitCase {
    Unit unit;
    std::vector<std::string> results;  // "label: cell" of the Results section
    std::string unitCaption;           // the Units row
    std::string boxCaptionUnit;        // what the drawings' captions add
};

// "Plain 100" at its largest 4:3 WIDE diagonal: 300 inches thrown from 300 inches, 240 by 180,
// offsets 90 and 18 inches.
TEST_F(ReportContentTest, ValuesAndOffsetsCarryTheSelectedUnitAndTheOtherSystems) {
    const UnitCase cases[] = {
        {Unit::Inches,
         {"Projection Distance: 300 in (762 cm)", "Screen Size Diagonal: 300 in (762 cm)",
          "Width: 240 in (610 cm)", "Height: 180 in (457 cm)",
          "Offset: 90.0 in (229 cm) ~ 18.0 in (46 cm)"},
         "Units: inches",
         " (in)"},
        {Unit::Feet,
         {"Projection Distance: 25 ft (7.62 m)", "Screen Size Diagonal: 25 ft (7.62 m)",
          "Width: 20 ft (6.10 m)", "Height: 15 ft (4.57 m)",
          "Offset: 7.5 ft (229 cm) ~ 1.5 ft (46 cm)"},
         "Units: Feet",
         " (ft)"},
        {Unit::Centimeters,
         {"Projection Distance: 762 cm (300 in)", "Screen Size Diagonal: 762 cm (300 in)",
          "Width: 610 cm (240 in)", "Height: 457 cm (180 in)",
          "Offset: 229 cm (90.0 in) ~ 46 cm (18.0 in)"},
         "Units: centimeters",
         " (cm)"},
    };
    ASSERT_TRUE(start({kModelPlain}));
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(indexOf(c.unit));
        calculator->choose(c.unit);
        const ReportContent content = report();
        const ReportSection* results = section(content, "Results");
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(firstCells(*results), c.results);
        const ReportSection* installation = section(content, "Installation");
        ASSERT_NE(installation, nullptr);
        EXPECT_EQ(firstCells(*installation),
                  (std::vector<std::string>{"Model: Plain 100", "Aspect Ratio: 4 : 3",
                                            "WIDE / TELE: WIDE", "Position: Bottom of Screen",
                                            c.unitCaption}));

        // The drawings' boxes show what the window's boxes show; their captions add the unit.
        ASSERT_EQ(content.drawings.size(), 2u);
        for (const ReportDrawing& drawing : content.drawings) {
            for (const DrawingText& text : drawing.texts) {
                SCOPED_TRACE(text.control);
                const char last = text.control.back();
                const auto i = static_cast<std::size_t>(last - '0');
                if (text.control.starts_with("txtValue_")) {
                    EXPECT_EQ(text.text, view.screen.boxes[i]);
                } else if (text.control.starts_with("txtOffset_")) {
                    EXPECT_EQ(text.text, view.screen.offsets[i]);
                } else {
                    EXPECT_EQ(text.kind, DrawingText::Kind::Caption);
                    EXPECT_TRUE(text.text.ends_with(c.boxCaptionUnit)) << text.text;
                }
            }
        }
    }
}

TEST_F(ReportContentTest, HeadingHasTheTitleThePreparerWhenGivenAndTheDate) {
    ASSERT_TRUE(start({kModelPlain}));
    const ReportContent named = report({"Hall B", "R. Mayer", "2024-05-01"});
    EXPECT_EQ(named.title, "Hall B");
    EXPECT_EQ(named.heading,
              (std::vector<ReportRow>{{"Prepared by", {"R. Mayer"}}, {"Date", {"2024-05-01"}}}));
    EXPECT_EQ(report({"Hall B", "", "2024-05-01"}).heading,
              (std::vector<ReportRow>{{"Date", {"2024-05-01"}}}));
}

TEST_F(ReportContentTest, DefaultTitleIsTheFilesNameOrTheUntitledName) {
    ASSERT_TRUE(start({kModelPlain}));
    EXPECT_EQ(defaultReportTitle(calculation(), calculator->texts()), "Untitled");
    Calculation saved = calculation();
    saved.file = "/plans/Hall B.v2.cf";
    EXPECT_EQ(defaultReportTitle(saved, calculator->texts()), "Hall B.v2");
}

TEST_F(ReportContentTest, PlanningIsByZoomEndWithTheOutsideMarkThenTheSeats) {
    ASSERT_TRUE(start({kModelPlain}));
    // 300 inches is beyond TELE's largest diagonal (250): that end is marked.
    const ReportContent content = report();
    const ReportSection* planning = section(content, "Planning");
    ASSERT_NE(planning, nullptr);
    EXPECT_EQ(planning->columns, (std::vector<std::string>{"WIDE", "TELE"}));
    // The distances, the images, the throw ratios and the one line of a model without lumens.
    ASSERT_EQ(planning->rows.size(), 4u);
    EXPECT_EQ(planning->rows[0].label, "Distance for this screen");
    EXPECT_EQ(planning->rows[0].cells,
              (std::vector<std::string>{"300.0\u2033", "375.0\u2033 (outside limits)"}));
    EXPECT_EQ(planning->rows[1].label, "Image at this distance");
    EXPECT_EQ(planning->rows[1].cells, (std::vector<std::string>{"300.0\u2033", "240.0\u2033"}));
    EXPECT_EQ(planning->rows[2].label, "Throw ratio");
    EXPECT_EQ(planning->rows[2].cells, (std::vector<std::string>{"1.25 : 1", "1.56 : 1"}));
    EXPECT_EQ(planning->rows[3].label, "Light on the screen");
    EXPECT_EQ(planning->rows[3].cells.at(0), "The catalogue gives no light output for this model.");
    const ReportSection* seats = section(content, "Seating distance");
    ASSERT_NE(seats, nullptr);
    ASSERT_EQ(seats->rows.size(), 3u);
    EXPECT_EQ(seats->rows[0].label, "30\u00b0 (SMPTE, farthest)");
    EXPECT_EQ(seats->rows[2].label, "40\u00b0 (THX, recommended)");
    for (const ReportRow& row : seats->rows)
        EXPECT_TRUE(row.cells.at(0).ends_with("\u2033")) << row.cells.at(0);
}

// With lumens the light row, the gain and the share; with a scope screen its own section and
// its outline on the front drawing.
TEST_F(ReportContentTest, LightAndScopeFiguresFollowTheCalculation) {
    ASSERT_TRUE(start({kModelPlain}));
    Calculation c = calculation();
    c.traits.record.lumens = 3000;
    c.light = {1.5, 100};
    c.options.aspect = Aspect::R16x9;
    c.scope = ScopeRatio::R239;
    const ReportContent content =
        reportContent(c, calculator->texts(), {"Hall", "", "2024-05-01"}, sixPixelsALetter);
    const ReportSection* planning = section(content, "Planning");
    ASSERT_NE(planning, nullptr);
    ASSERT_EQ(planning->rows.size(), 6u);
    EXPECT_EQ(planning->rows[3].label, "Light on the screen");
    EXPECT_TRUE(planning->rows[3].cells.at(0).starts_with("15.0 fL, 51 nits, dark room"))
        << planning->rows[3].cells.at(0);
    EXPECT_EQ(planning->rows[4].cells.at(0), "1.5");
    EXPECT_EQ(planning->rows[5].cells.at(0), "100");
    const ReportSection* scope = section(content, "Scope screen: 2.39 : 1");
    ASSERT_NE(scope, nullptr);
    ASSERT_EQ(scope->rows.size(), 3u);
    EXPECT_EQ(scope->rows[1].label, "Distance for the scope picture");
    EXPECT_FALSE(scope->rows[2].cells.at(0).empty());
    ASSERT_FALSE(content.drawings.empty());
    bool outline = false;
    for (const SceneItem& item : content.drawings.front().scene.items)
        outline = outline || item.pen == PenId::ScopeOutline;
    EXPECT_TRUE(outline);
}

// The captions carry the unit, so they are longer than the window's: the drawings are laid out
// for them, and the rays keep off them as they keep off the window's.
TEST_F(ReportContentTest, EachCaptionOnADrawingHasTheRoomOfItsTextAndNoRayCrossesIt) {
    ASSERT_TRUE(start({kModelPlain}));
    for (const char* diagonal : {"", "60", "150"}) {
        calculator->choose(Unit::Inches);
        if (*diagonal != 0) {
            ASSERT_TRUE(type(Quantity::Diagonal, diagonal));
        }
        for (const Unit unit : kAllUnits) {
            calculator->choose(unit);
            SCOPED_TRACE(std::to_string(indexOf(unit)) + " " + diagonal);
            const ReportContent content = report();
            ASSERT_EQ(content.drawings.size(), 2u);
            for (const ReportDrawing& drawing : content.drawings) {
                std::vector<Segment> rays;
                for (const SceneItem& item : drawing.scene.items) {
                    if (item.kind == SceneItem::Kind::Line && item.pen == PenId::Ray)
                        rays.push_back({item.points.at(0), item.points.at(1)});
                }
                for (const DrawingText& text : drawing.texts) {
                    if (text.kind != DrawingText::Kind::Caption) continue;
                    const Size needed = sixPixelsALetter(text.text);
                    EXPECT_GE(text.size.width, needed.width) << text.text;
                    EXPECT_GE(text.size.height, needed.height) << text.text;
                    for (const Segment& ray : rays)
                        EXPECT_FALSE(crosses(rectAt(text.at, needed), ray)) << text.text;
                }
            }
        }
    }
}

TEST_F(ReportContentTest, OneOffsetHasNoRangeSignAndTwoHaveOneOnTheSideDrawing) {
    ASSERT_TRUE(start({kModelPlain, kModelWideOnly16x9}));
    const auto signs = [this] {
        const ReportContent content = report();
        const Scene& side = content.drawings.at(1).scene;
        return std::count_if(side.items.begin(), side.items.end(),
                             [](const SceneItem& item) { return item.imageName == "imgKara"; });
    };
    EXPECT_EQ(signs(), 1);
    calculator->pickModel(1);
    EXPECT_EQ(signs(), 0);
    const ReportContent content = report();
    const ReportSection* results = section(content, "Results");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->rows.back().label, "Offset");
    EXPECT_EQ(results->rows.back().cells[0].find('~'), std::string::npos);
}

TEST_F(ReportContentTest, AModelWithoutResultsGivesTheInstallationOnly) {
    ASSERT_TRUE(start({"NoLine,40,300,30,250,0,0,0,0,0.5,0.6,0,0,0,15"}));
    const ReportContent content = report();
    ASSERT_EQ(content.sections.size(), 1u);
    EXPECT_EQ(content.sections[0].heading, "Installation");
    EXPECT_TRUE(content.drawings.empty());
}

TEST_F(ReportContentTest, LabelsComeFromTheLanguageFile) {
    ASSERT_TRUE(start({kModelPlain}, languageFileText() + "[Language]\nrptUnit_0=Zoll\n"
                                                          "rptResults=Ergebnisse\n"
                                                          "rptDate=Datum\n"
                                                          "rptFrontView=Vorne\n"));
    const ReportContent content = report();
    const ReportSection* results = section(content, "Ergebnisse");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->rows[2].cells[0], "240 Zoll (610 cm)");
    EXPECT_EQ(content.heading.back().label, "Datum");
    EXPECT_EQ(content.drawings.at(0).caption, "Vorne");
    EXPECT_EQ(content.drawings.at(1).caption, "Side view (schematic)");
}

}  // namespace
}  // namespace projcalc
