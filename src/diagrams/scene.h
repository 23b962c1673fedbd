#pragma once

#include <string>
#include <vector>

namespace projcalc {

// Integer pixel geometry of the picture boxes and their controls.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The drawing tools of the two views, created once when the window starts.
enum class PenId {
    Ray,
    ScreenOutline,
    Axis,
    ScreenSide,
    Dimension,
    RayFaint,
    ZoomRange,
    ScopeOutline
};
enum class BrushId { None, ScreenFill };
enum class PenStyle { Solid, DashDotDot };

struct PenDefinition {
    PenId id;
    const char* name;  // "penRay", ...
    PenStyle style;
    int width;
    int red, green, blue;
};

struct BrushDefinition {
    BrushId id;
    const char* name;  // "brushScreenFill"
    int red, green, blue;
};

// The pens and the brush, with their colours, styles and widths.
[[nodiscard]] const PenDefinition& penDefinition(PenId id) noexcept;
[[nodiscard]] const BrushDefinition& brushDefinition(BrushId id) noexcept;

// One drawing step: a closed polygon (outlined with the pen, filled with the brush using the
// winding rule), a straight line, or a picture painted with its top-left corner at `at`, at
// `size` (its natural size when the size is empty).
struct SceneItem {
    enum class Kind { Polygon, Line, Image };
    Kind kind = Kind::Line;
    PenId pen = PenId::Ray;
    BrushId brush = BrushId::None;
    std::vector<Point> points;  // polygon: closed (first point repeated); line: from, to
    std::string imageName;      // image: the picture's object name ("imgProjector", ...)
    Point at;                   // image: top-left corner
    Size size;                  // image: the size it is drawn at

    friend bool operator==(const SceneItem&, const SceneItem&) = default;
};

// Where a control of the picture box stands, and whether it is shown.
struct ControlPlacement {
    std::string name;  // object name: "txtValue_3", "cmdEnter_0", "lblOffset", "imgKara", ...
    Point at;
    Size size;
    bool visible = true;

    friend bool operator==(const ControlPlacement&, const ControlPlacement&) = default;
};

// One drawing of a picture box, in its own pixels (origin top-left, y downwards): what to paint,
// in order, and where the controls lying on it go.
struct Scene {
    int width = 0;
    int height = 0;
    std::vector<SceneItem> items;
    std::vector<ControlPlacement> controls;

    friend bool operator==(const Scene&, const Scene&) = default;
};

// The two drawings of the main window.
enum class DiagramId { Front, Side };

}  // namespace projcalc
