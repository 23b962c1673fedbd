// The scope screen's outline in the front view.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "diagrams/front_layout.h"
#include "diagrams/front_view.h"

namespace projcalc {
namespace {

// The front view of a 16:9 image 96 × 54 inches thrown from `distance`, drawn from a scale of 250.
FrontDrawing drawWithScope(double scopeWidth, double distance = 120) {
    Solution s;
    s.width = 96;
    s.height = 54;
    s.distance = distance;
    return frontScene(s, Options{}, 250, designFrontMetrics(), {}, scopeWidth);
}

std::vector<SceneItem> outlineOf(const Scene& scene) {
    std::vector<SceneItem> outline;
    for (const SceneItem& item : scene.items) {
        if (item.pen == PenId::ScopeOutline) outline.push_back(item);
    }
    return outline;
}

TEST(FrontScope, DrawsFourSidesAfterTheUnchangedFigure) {
    const FrontDrawing plain = drawWithScope(0);
    const FrontDrawing drawing = drawWithScope(2.39 * 54);
    EXPECT_TRUE(outlineOf(plain.scene).empty());
    EXPECT_EQ(drawing.scale, plain.scale);
    EXPECT_EQ(drawing.scene.controls, plain.scene.controls);
    ASSERT_EQ(drawing.scene.items.size(), plain.scene.items.size() + 4);
    for (std::size_t i = 0; i < plain.scene.items.size(); ++i)
        EXPECT_EQ(drawing.scene.items[i], plain.scene.items[i]);
    const std::vector<SceneItem> outline = outlineOf(drawing.scene);
    ASSERT_EQ(outline.size(), 4u);
    // The sides join into a closed outline around the screen, wider and as high.
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(outline[i].points[1], outline[(i + 1) % 4].points[0]);
    const SceneItem& screen = plain.scene.items.front();
    ASSERT_EQ(screen.kind, SceneItem::Kind::Polygon);
    const Point topLeft = screen.points[0];
    const Point topRight = screen.points[1];
    EXPECT_LT(outline[0].points[0].x, topLeft.x);
    EXPECT_GT(outline[0].points[1].x, topRight.x);
    EXPECT_NEAR(outline[3].points[0].y - outline[0].points[0].y,
                screen.points[3].y - screen.points[0].y, 1);
    // Its centre is the screen's centre.
    EXPECT_NEAR(outline[0].points[0].x + outline[0].points[1].x, topLeft.x + topRight.x, 1);
}

TEST(FrontScope, AnOutlineThatLeavesThePictureIsClippedToIt) {
    const FrontDrawing drawing = drawWithScope(40 * 54);  // far wider than any picture box
    const std::vector<SceneItem> outline = outlineOf(drawing.scene);
    ASSERT_FALSE(outline.empty());
    for (const SceneItem& side : outline) {
        for (const Point& p : side.points) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, drawing.scene.width);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, drawing.scene.height);
        }
    }
    EXPECT_EQ(drawing.scale, drawWithScope(0).scale);
}

TEST(FrontScope, NoOutlineWithoutAUsableWidth) {
    for (const double width : {-1.0, std::nan(""), 0.0}) {
        EXPECT_EQ(drawWithScope(width).scene, drawWithScope(0).scene);
    }
    EXPECT_EQ(penDefinition(PenId::ScopeOutline).name, std::string("penScopeOutline"));
}

}  // namespace
}  // namespace projcalc
