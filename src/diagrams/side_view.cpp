#include "diagrams/side_view.h"

#include "core/view.h"

namespace projcalc {

Scene DrawScreen2(CalculatorState& /*state*/, const View& view) {
    Scene scene;
    const Size box = view.controlSize("picDraw2");
    scene.width = box.width;
    scene.height = box.height;
    return scene;
}

}  // namespace projcalc
