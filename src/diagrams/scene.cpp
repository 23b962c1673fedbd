#include "diagrams/scene.h"

#include <array>

namespace projcalc {
namespace {

constexpr std::array<PenDefinition, 8> kPens = {{
    {PenId::Ray, "penRay", PenStyle::Solid, 1, 200, 0, 0},
    {PenId::ScreenOutline, "penScreenOutline", PenStyle::Solid, 1, 0, 0, 128},
    {PenId::Axis, "penAxis", PenStyle::DashDotDot, 1, 0, 0, 255},
    {PenId::ScreenSide, "penScreenSide", PenStyle::Solid, 2, 0, 128, 255},
    {PenId::Dimension, "penDimension", PenStyle::Solid, 1, 0, 0, 0},
    {PenId::RayFaint, "penRayFaint", PenStyle::Solid, 1, 200, 150, 150},
    {PenId::ZoomRange, "penZoomRange", PenStyle::Solid, 2, 0, 140, 0},
    {PenId::ScopeOutline, "penScopeOutline", PenStyle::Solid, 2, 150, 0, 150},
}};

constexpr std::array<BrushDefinition, 2> kBrushes = {{
    {BrushId::None, "", 0, 0, 0},
    {BrushId::ScreenFill, "brushScreenFill", 0, 128, 255},
}};

}  // namespace

const PenDefinition& penDefinition(PenId id) noexcept {
    return kPens[static_cast<std::size_t>(id)];
}

const BrushDefinition& brushDefinition(BrushId id) noexcept {
    return kBrushes[static_cast<std::size_t>(id)];
}

}  // namespace projcalc
