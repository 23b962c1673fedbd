#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/memory_view.h"
#include "diagrams/scene.h"

namespace projcalc {

// An in-memory view whose controls and pictures may have other sizes than the design sizes.
class SizedView : public MemoryView {
  public:
    std::map<std::string, Size> sizes;

    [[nodiscard]] Size controlSize(const std::string& objectName) const override {
        const auto it = sizes.find(objectName);
        return it != sizes.end() ? it->second : MemoryView::controlSize(objectName);
    }
};

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
