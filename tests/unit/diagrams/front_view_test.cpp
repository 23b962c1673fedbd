#include "diagrams/front_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "controller_fixture.h"
#include "diagrams/front_layout.h"
#include "scene_rules.h"
#include "scene_test_support.h"

namespace projcalc {
namespace {

// The front view of an image of the given width, height and distance, drawn from a scale. Every
// drawing checks that refitting alone (frontScale, what the commands use) finds its scale.
FrontDrawing drawFront(double width, double height, double distance, double scale,
                       const FrontMetrics& metrics = designFrontMetrics()) {
    Solution s;
    s.width = width;
    s.height = height;
    s.distance = distance;
    FrontDrawing drawing = frontScene(s, Options{}, scale, metrics);
    const double refit = frontScale(s, scale, metrics);
    EXPECT_TRUE(refit == drawing.scale || (std::isnan(refit) && std::isnan(drawing.scale)))
        << refit << " against " << drawing.scale;
    return drawing;
}

// Design metrics with another picture size.
FrontMetrics pictureOf(Size picture) {
    FrontMetrics metrics = designFrontMetrics();
    metrics.picture = picture;
    return metrics;
}

// The polygon of a scene; fails the test when there is not exactly one.
std::vector<Point> polygonOf(const Scene& scene) {
    const std::vector<SceneItem> polygons = itemsOf(scene, SceneItem::Kind::Polygon);
    EXPECT_EQ(polygons.size(), 1u);
    return polygons.empty() ? std::vector<Point>{} : polygons.front().points;
}

TEST(FrontViewTest, DrawsScreenProjectorAndRaysToScaleInDrawingOrder) {
    const FrontDrawing drawing = drawFront(80, 60, 120, 250);
    const Scene& scene = drawing.scene;

    EXPECT_EQ(scene.width, 453);
    EXPECT_EQ(scene.height, 241);
    EXPECT_EQ(drawing.scale, 250);  // it fits: the scale stays
    ASSERT_EQ(scene.items.size(), 6u);
    const SceneItem& screen = scene.items[0];
    EXPECT_EQ(screen.kind, SceneItem::Kind::Polygon);
    EXPECT_EQ(screen.pen, PenId::ScreenOutline);
    EXPECT_EQ(screen.brush, BrushId::ScreenFill);
    const Point p1{309, 38}, p2{309, 99}, p3{379, 79}, p4{379, 140}, q{239, 150};
    EXPECT_EQ(screen.points, (std::vector<Point>{p1, p3, p4, p2, p1}));

    const SceneItem& projector = scene.items[1];
    EXPECT_EQ(projector.kind, SceneItem::Kind::Image);
    EXPECT_EQ(projector.imageName, "imgProjector");
    EXPECT_EQ(projector.at, (Point{q.x - 46, q.y - 10}));

    const std::vector<Point> corners = {p1, p3, p4, p2};
    for (std::size_t i = 0; i < 4; ++i) {
        const SceneItem& ray = scene.items[2 + i];
        EXPECT_EQ(ray.kind, SceneItem::Kind::Line);
        EXPECT_EQ(ray.pen, PenId::Ray);
        EXPECT_EQ(ray.points, (std::vector<Point>{q, corners[i]}));
    }
}

TEST(FrontViewTest, LaysOutTheBoxesBesideWhatTheyMeasure) {
    const FrontDrawing drawing = drawFront(80, 60, 120, 250);
    const Scene& scene = drawing.scene;

    struct Expected {
        const char* name;
        Point at;
    };
    // Boxes 37 x 19, units 17 x 13, Enter buttons 21 x 17, captions 13 high. The height box's
    // block (box, unit, button: 79 wide) would cover the screen's right edge at its designed
    // place (369, 100): it goes to the nearest free place, above the screen's top edge; the
    // width box then moves up 6 pixels to stay clear of it.
    const Expected expected[] = {
        {"txtValue_3", {370, 51}}, {"cmdEnter_3", {428, 52}},  {"txtValue_2", {326, 18}},
        {"cmdEnter_2", {384, 19}}, {"txtValue_0", {269, 217}}, {"cmdEnter_0", {327, 218}},
        {"txtValue_1", {177, 38}}, {"cmdEnter_1", {235, 39}},  {"lblValue_0", {269, 204}},
        {"lblValue_1", {177, 25}}, {"lblValue_2", {326, 5}},   {"lblValue_3", {370, 38}},
        {"lblUnit_0", {308, 220}}, {"lblUnit_1", {216, 41}},   {"lblUnit_2", {365, 21}},
        {"lblUnit_3", {409, 54}},
    };
    ASSERT_EQ(scene.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ControlPlacement& placement = scene.controls[i];
        EXPECT_EQ(placement.name, expected[i].name) << "placement " << i;
        EXPECT_EQ(placement.at, expected[i].at) << placement.name;
        EXPECT_EQ(placement.size, designSizeOf(placement.name)) << placement.name;
        EXPECT_TRUE(placement.visible) << placement.name;
    }
    EXPECT_TRUE(sceneFaults(scene).empty());
}

struct RayCase {
    const char* name;
    double width, height, distance, scale;
};

void PrintTo(const RayCase& c, std::ostream* os) {
    *os << c.name;
}

class FrontRayTest : public ::testing::TestWithParam<RayCase> {};

TEST_P(FrontRayTest, RaysEndExactlyAtThePolygonCorners) {
    const RayCase& c = GetParam();
    const FrontDrawing drawing = drawFront(c.width, c.height, c.distance, c.scale);
    const Scene& scene = drawing.scene;

    const std::vector<Point> polygon = polygonOf(scene);
    ASSERT_EQ(polygon.size(), 5u);
    EXPECT_EQ(polygon.front(), polygon.back());  // closed
    const std::vector<SceneItem> rays = itemsOf(scene, SceneItem::Kind::Line);
    ASSERT_EQ(rays.size(), 4u);
    const Point q = rays[0].points[0];
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rays[i].points[0], q);
        EXPECT_EQ(rays[i].points[1], polygon[i]);
    }
    EXPECT_GT(polygon[0].y, 0);  // the top-left corner lies inside the picture
}

INSTANTIATE_TEST_SUITE_P(
    Results, FrontRayTest,
    ::testing::Values(RayCase{"small", 40, 30, 60, 300}, RayCase{"fits", 80, 60, 120, 250},
                      RayCase{"wide", 160, 90, 200, 250}, RayCase{"refit", 400, 300, 500, 100},
                      RayCase{"tall", 30, 300, 90, 200}, RayCase{"odd", 77.7, 58.3, 101.9, 333.3}),
    CaseName());

TEST(FrontViewTest, AScreenAboveThePictureIsRedrawnAtALargerScale) {
    const FrontDrawing drawing = drawFront(240, 180, 300, 300);
    const Scene& scene = drawing.scene;
    EXPECT_DOUBLE_EQ(drawing.scale, 300 / 0.8 / 0.8);  // two refits
    EXPECT_EQ(polygonOf(scene).front(), (Point{288, 8}));

    // The refit stops at the first scale that fits: one step smaller does not.
    EXPECT_DOUBLE_EQ(drawFront(240, 180, 300, drawing.scale * 0.8).scale, drawing.scale);
}

TEST(FrontViewTest, TheFitTestReadsTheRoundedCorner) {
    // A 190 x 65 picture has a reference segment of exactly 100 pixels from (48, 52) to
    // (144, 24): a scale reference of 100 inches is one inch per pixel.
    const FrontMetrics metrics = pictureOf({190, 65});

    // Corner at y 24 - 23.5 = 0.5, which rounds to 0: refit once.
    const FrontDrawing refit = drawFront(0, 47, 0, 100, metrics);
    EXPECT_DOUBLE_EQ(refit.scale, 125);
    EXPECT_EQ(polygonOf(refit.scene).front(), (Point{144, 5}));

    // Corner at y 2.5 rounds to 2 and the bottom at 45.5 to 46 (halves to even): it fits.
    const FrontDrawing kept = drawFront(0, 43, 0, 100, metrics);
    EXPECT_DOUBLE_EQ(kept.scale, 100);
    const std::vector<Point> polygon = polygonOf(kept.scene);
    ASSERT_EQ(polygon.size(), 5u);
    EXPECT_EQ(polygon[0], (Point{144, 2}));
    EXPECT_EQ(polygon[3], (Point{144, 46}));
}

TEST(FrontViewTest, AVeryLargeScreenIsShrunkAsOftenAsNeeded) {
    const FrontDrawing drawing = drawFront(1e18, 7.5e17, 1e18, 1);
    const Scene& scene = drawing.scene;
    ASSERT_EQ(polygonOf(scene).size(), 5u);
    const double refits = std::round(std::log(drawing.scale) / std::log(1 / 0.8));
    EXPECT_GT(refits, 150);
    EXPECT_LT(refits, 200);
}

struct Undrawable {
    const char* name;
    Size picture;
    double width, height, distance, scale;
};

void PrintTo(const Undrawable& c, std::ostream* os) {
    *os << c.name;
}

class FrontUndrawableTest : public ::testing::TestWithParam<Undrawable> {};

TEST_P(FrontUndrawableTest, DrawsNoFigureMovesNoBoxAndKeepsTheScale) {
    const Undrawable& c = GetParam();
    const FrontDrawing drawing =
        drawFront(c.width, c.height, c.distance, c.scale, pictureOf(c.picture));
    const Scene& scene = drawing.scene;
    EXPECT_EQ(scene.width, c.picture.width);
    EXPECT_EQ(scene.height, c.picture.height);
    EXPECT_TRUE(scene.items.empty());
    EXPECT_TRUE(scene.controls.empty());
    if (std::isnan(c.scale)) {
        EXPECT_TRUE(std::isnan(drawing.scale));
    } else {
        EXPECT_EQ(drawing.scale, c.scale);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Size kPicture{453, 241};

INSTANTIATE_TEST_SUITE_P(
    Cases, FrontUndrawableTest,
    ::testing::Values(Undrawable{"NoModelYet", kPicture, 0, 0, 0, 0},
                      Undrawable{"ScaleZero", kPicture, 80, 60, 120, 0},
                      Undrawable{"ScaleNegative", kPicture, 80, 60, 120, -250},
                      Undrawable{"ScaleNaN", kPicture, 80, 60, 120, kNaN},
                      Undrawable{"ScaleInfinite", kPicture, 80, 60, 120, kInf},
                      Undrawable{"PictureWithoutSize", {0, 0}, 80, 60, 120, 250},
                      Undrawable{"PictureWithoutWidth", {0, 241}, 80, 60, 120, 250},
                      Undrawable{"CentreRowZero", {453, 1}, 80, 60, 120, 250},
                      Undrawable{"WidthNaN", kPicture, kNaN, 60, 120, 250},
                      Undrawable{"HeightInfinite", kPicture, 80, kInf, 120, 250},
                      Undrawable{"DistanceInfinite", kPicture, 80, 60, kInf, 250},
                      Undrawable{"ProjectorBeyondAnyPicture", kPicture, 80, 60, 1e12, 250},
                      Undrawable{"NeverFitsWithinTheRefitBound", kPicture, 1e22, 1e22, 1, 1}),
    CaseName());

// ---- the kept scale, through the controller -------------------------------------------------

class FrontScaleTest : public ControllerFixture {
  protected:
    // The scale the front view settles on when drawn from a reference distance.
    [[nodiscard]] double fittedFrom(double reference) const {
        const Calculation& c = calculator->calculation();
        return frontScene(c.results, c.options, reference, view.metrics().front).scale;
    }
    [[nodiscard]] double reference(Aspect aspect) const {
        return calculator->calculation().traits.frontReferenceFor(aspect);
    }
    [[nodiscard]] double scale() const { return calculator->calculation().frontScale; }
};

TEST_F(FrontScaleTest, AShrunkFigureKeepsItsScaleUntilAspectZoomOrModelChanges) {
    ASSERT_TRUE(start({kModelPlain, kModelTeleOnly}));
    // At the largest image the figure does not fit at the reference distance.
    const double shrunk = scale();
    EXPECT_GT(shrunk, reference(Aspect::R4x3));
    EXPECT_DOUBLE_EQ(shrunk, fittedFrom(reference(Aspect::R4x3)));

    // A smaller image would fit at the reference, but the shrunk scale stays.
    type(Quantity::Diagonal, "60");
    EXPECT_EQ(view.screen.boxes[1], "60");
    EXPECT_DOUBLE_EQ(fittedFrom(reference(Aspect::R4x3)), reference(Aspect::R4x3));
    EXPECT_EQ(scale(), shrunk);
    calculator->choose(Unit::Centimeters);
    calculator->choose(Mount::Top);
    EXPECT_EQ(scale(), shrunk);

    // An aspect change starts again from that group's reference.
    calculator->choose(Aspect::R16x9);
    EXPECT_DOUBLE_EQ(scale(), fittedFrom(reference(Aspect::R16x9)));
    calculator->choose(Aspect::R4x3);
    EXPECT_DOUBLE_EQ(scale(), fittedFrom(reference(Aspect::R4x3)));

    // So does a zoom change, and a model change.
    calculator->choose(Zoom::Tele);
    EXPECT_DOUBLE_EQ(scale(), fittedFrom(reference(Aspect::R4x3)));
    calculator->pickModel(1);
    EXPECT_DOUBLE_EQ(scale(), fittedFrom(reference(Aspect::R4x3)));
    EXPECT_EQ(itemsOf(view.screen.front, SceneItem::Kind::Polygon).size(), 1u);
}

}  // namespace
}  // namespace projcalc
