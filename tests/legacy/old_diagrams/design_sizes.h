#pragma once

#include <string_view>

#include "diagrams/scene.h"

namespace projcalc::legacy {

// The size, in pixels at 96 dots per inch, that a control of the main window has by design, or a
// picture's natural size. The window reports its real sizes instead; the in-memory view of the
// tests and the command-line tool uses these. An unknown name has size 0 x 0.
[[nodiscard]] Size designSize(std::string_view objectName) noexcept;

}  // namespace projcalc::legacy
