#include "diagrams/metrics.h"

namespace projcalc {

// Controls lying on the two picture boxes are their design sizes in twips divided by 15; the unit
// labels, which came later, are as wide as "cm" in the program's font.
FrontMetrics designFrontMetrics() noexcept {
    FrontMetrics m;
    m.picture = {453, 241};
    m.valueBox = {{{37, 19}, {37, 19}, {37, 19}, {37, 19}}};
    m.enterButton = {{{21, 17}, {21, 17}, {21, 17}, {21, 17}}};
    m.caption = {{{92, 13}, {102, 13}, {28, 13}, {31, 13}}};
    m.unit = {{{17, 13}, {17, 13}, {17, 13}, {17, 13}}};  // "cm", the widest unit
    m.projector = {64, 40};
    return m;
}

SideMetrics designSideMetrics() noexcept {
    SideMetrics m;
    m.picture = {453, 113};
    m.offsetBox = {{{40, 19}, {40, 19}}};
    m.rangeSign = {28, 19};
    m.caption = {28, 13};
    m.unit = {17, 13};
    m.projector = {{{64, 30}, {64, 30}}};
    return m;
}

}  // namespace projcalc
