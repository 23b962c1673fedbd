#pragma once

#include <span>

namespace projcalc::ui {

// A drawing rendered when the program was built (projcalc_bake_artwork), at its natural size for
// a device pixel ratio of 1: premultiplied ARGB, `width` × 4 bytes a line.
struct BakedArtwork {
    const char* name;
    int width;
    int height;
    const unsigned char* pixels;
};

// Every drawing, so that the window's first paint shows them without parsing an SVG file.
[[nodiscard]] std::span<const BakedArtwork> bakedArtwork();

}  // namespace projcalc::ui
