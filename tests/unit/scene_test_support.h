#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "diagrams/metrics.h"
#include "diagrams/scene.h"

namespace projcalc {

// The design size of a control the drawings place, by its object name.
inline Size designSizeOf(const std::string& name) {
    const FrontMetrics front = designFrontMetrics();
    const SideMetrics side = designSideMetrics();
    std::map<std::string, Size> sizes = {{"txtOffset_0", side.offsetBox[0]},
                                         {"txtOffset_1", side.offsetBox[1]},
                                         {"imgKara", side.rangeSign},
                                         {"lblOffset", side.caption},
                                         {"lblOffsetUnit", side.unit}};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        sizes["txtValue_" + n] = front.valueBox[i];
        sizes["cmdEnter_" + n] = front.enterButton[i];
        sizes["lblValue_" + n] = front.caption[i];
        sizes["lblUnit_" + n] = front.unit[i];
    }
    const auto it = sizes.find(name);
    return it != sizes.end() ? it->second : Size{};
}

// The placement of a control in a scene, or nothing.
inline std::optional<ControlPlacement> placementOf(const Scene& scene, const std::string& name) {
    for (const ControlPlacement& placement : scene.controls) {
        if (placement.name == name) return placement;
    }
    return std::nullopt;
}

// Where a control stands; fails the test when the scene does not place it.
inline Point positionOf(const Scene& scene, const std::string& name) {
    const std::optional<ControlPlacement> placement = placementOf(scene, name);
    EXPECT_TRUE(placement.has_value()) << name << " is not placed";
    return placement ? placement->at : Point{-9999, -9999};
}

// The items of one kind, in drawing order.
inline std::vector<SceneItem> itemsOf(const Scene& scene, SceneItem::Kind kind) {
    std::vector<SceneItem> items;
    for (const SceneItem& item : scene.items) {
        if (item.kind == kind) items.push_back(item);
    }
    return items;
}

// Names the cases of a parameterised test after their `name` field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const {
        return testCase.param.name;
    }
};

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

}  // namespace projcalc
