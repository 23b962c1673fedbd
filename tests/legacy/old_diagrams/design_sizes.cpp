#include "old_diagrams/design_sizes.h"

#include <array>

namespace projcalc::legacy {
namespace {

struct NamedSize {
    std::string_view name;
    Size size;
};

// Controls lying on the two picture boxes (design sizes in twips divided by 15), the boxes
// themselves, and the natural sizes of our artwork (the SVG view boxes have the same sizes).
constexpr std::array<NamedSize, 22> kSizes = {{
    {"picDraw1", {453, 241}},   {"picDraw2", {453, 113}},         {"txtValue_0", {37, 19}},
    {"txtValue_1", {37, 19}},   {"txtValue_2", {37, 19}},         {"txtValue_3", {37, 19}},
    {"cmdEnter_0", {21, 17}},   {"cmdEnter_1", {21, 17}},         {"cmdEnter_2", {21, 17}},
    {"cmdEnter_3", {21, 17}},   {"lblValue_0", {92, 13}},         {"lblValue_1", {102, 13}},
    {"lblValue_2", {28, 13}},   {"lblValue_3", {31, 13}},         {"txtOffset_0", {40, 19}},
    {"txtOffset_1", {40, 19}},  {"lblOffset", {28, 13}},          {"imgKara", {28, 19}},
    {"imgProjector", {64, 40}}, {"imgProjectorSide_0", {64, 30}}, {"imgProjectorSide_1", {64, 30}},
    {"imgLogo", {113, 33}},
}};

}  // namespace

Size designSize(std::string_view objectName) noexcept {
    for (const NamedSize& entry : kSizes) {
        if (entry.name == objectName) return entry.size;
    }
    return {};
}

}  // namespace projcalc::legacy
