// Any text read as a number gives a finite value, and formats back without trouble.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "util/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const projcalc::LeadingNumber n = projcalc::readLeadingNumber(text);
    if (!std::isfinite(n.value)) std::abort();
    if (n.overflow && n.value != 0.0) std::abort();
    if (n.length > text.size() || (n.length > 0) != n.found) std::abort();
    const std::string general = projcalc::formatGeneral(n.value);
    if (projcalc::readLeadingNumber(general).overflow) std::abort();
    (void)projcalc::formatFixed(n.value, 0);
    (void)projcalc::formatFixed(n.value, 1);
    return 0;
}
