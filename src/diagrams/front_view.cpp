#include "diagrams/front_view.h"

#include "core/view.h"

namespace projcalc {

Scene DrawScreen1(CalculatorState& /*state*/, const View& view) {
    Scene scene;
    const Size box = view.controlSize("picDraw1");
    scene.width = box.width;
    scene.height = box.height;
    return scene;
}

}  // namespace projcalc
