// The zoom range in the front view: the lens positions of both zoom ends on the projection axis.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "diagrams/front_layout.h"
#include "diagrams/front_view.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

// The front view of an 80 × 60 image thrown from 120 inches, drawn from a scale of 250.
FrontDrawing drawWithRange(const ZoomLengths& range, double distance = 120, double scale = 250) {
    Solution s;
    s.width = 80;
    s.height = 60;
    s.distance = distance;
    return frontScene(s, Options{}, scale, designFrontMetrics(), range);
}

double lengthOf(Point from, Point to) {
    return std::hypot(to.x - from.x, to.y - from.y);
}

struct RangeCase {
    const char* name;
    ZoomLengths range;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class FrontWithoutRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FrontWithoutRangeTest, DrawsNoMarksAndTheSameFigure) {
    const FrontDrawing plain = drawWithRange({});
    const FrontDrawing drawing = drawWithRange(GetParam().range);
    EXPECT_EQ(drawing.scene, plain.scene);
    EXPECT_EQ(drawing.scale, plain.scale);
}

INSTANTIATE_TEST_SUITE_P(Ends, FrontWithoutRangeTest,
                         ::testing::Values(RangeCase{"NoEnd", {}},
                                           RangeCase{"OnlyWide", {120.0, std::nullopt}},
                                           RangeCase{"OnlyTele", {std::nullopt, 160.0}},
                                           // A position no picture can hold: nothing is marked.
                                           RangeCase{"TeleBeyondAnyPicture", {120.0, 1e12}},
                                           RangeCase{"NotANumber", {120.0, std::nan("")}}),
                         CaseName());

TEST(FrontZoomRange, MarksBothEndsAfterTheUnchangedFigure) {
    const FrontDrawing plain = drawWithRange({});
    const FrontDrawing drawing = drawWithRange({120.0, 160.0});
    EXPECT_EQ(drawing.scale, plain.scale);
    EXPECT_EQ(drawing.scene.controls, plain.scene.controls);
    const std::vector<SceneItem>& items = drawing.scene.items;
    ASSERT_EQ(items.size(), plain.scene.items.size() + 3);
    for (std::size_t i = 0; i < plain.scene.items.size(); ++i)
        EXPECT_EQ(items[i], plain.scene.items[i]) << "item " << i;

    const std::vector<SceneItem> marks(items.end() - 3, items.end());
    for (const SceneItem& mark : marks) {
        EXPECT_EQ(mark.kind, SceneItem::Kind::Line);
        EXPECT_EQ(mark.pen, PenId::ZoomRange);
        ASSERT_EQ(mark.points.size(), 2u);
    }
    // The WIDE end is where the lens stands (it throws from the results' distance): the range
    // line starts at the rays' common point.
    const Point lens = items[2].points[0];
    const Point wide = marks[0].points[0];
    const Point tele = marks[0].points[1];
    EXPECT_EQ(wide, lens);

    // To scale along the axis from the screen's centre: TELE lies 160/120 as far out.
    const FrontFrame frame = frontFrame(designFrontMetrics().picture);
    const Point centre{frame.x2, frame.y2};
    EXPECT_NEAR(lengthOf(centre, tele) / lengthOf(centre, wide), 160.0 / 120.0, 0.02);
    EXPECT_NEAR(lengthOf(wide, tele), lengthOf(centre, wide) / 3.0, 1.5);

    // Each end's mark crosses the axis at the end, square to it.
    for (std::size_t end = 0; end < 2; ++end) {
        const SceneItem& mark = marks[1 + end];
        const Point at = end == 0 ? wide : tele;
        const Point a = mark.points[0];
        const Point b = mark.points[1];
        EXPECT_LE(std::abs((a.x + b.x) / 2.0 - at.x), 1.0) << end;
        EXPECT_LE(std::abs((a.y + b.y) / 2.0 - at.y), 1.0) << end;
        const double along = (b.x - a.x) * (tele.x - wide.x) + (b.y - a.y) * (tele.y - wide.y);
        EXPECT_LE(std::abs(along) / (lengthOf(a, b) * lengthOf(wide, tele)), 0.15) << end;
        EXPECT_GE(lengthOf(a, b), 6.0) << end;
    }
}

TEST(FrontZoomRange, AFigureThatCannotBeDrawnGetsNoMarks) {
    const FrontDrawing drawing = drawWithRange({120.0, 160.0}, 120, 0.0);  // no scale yet
    EXPECT_TRUE(drawing.scene.items.empty());
}

}  // namespace
}  // namespace projcalc
