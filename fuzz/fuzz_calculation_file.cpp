// Any bytes read as a calculation file give a calculation or a clear error; a calculation that
// was read writes back to a file that reads as the same values.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/calculation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto read = projcalc::parseCalculationFile(bytes, "plan.cf");
    if (auto* error = std::get_if<projcalc::AppError>(&read)) {
        if (error->number() == 0 || error->description.empty()) std::abort();
        return 0;
    }
    const auto& file = std::get<projcalc::CalculationFile>(read);
    if (!std::isfinite(file.screenDiagonal) || !std::isfinite(file.frontViewScale)) std::abort();
    auto written = projcalc::writeCalculationFile(file, "plan.cf");
    if (auto* text = std::get_if<std::string>(&written)) {
        auto again = projcalc::parseCalculationFile(*text, "plan.cf");
        const auto* copy = std::get_if<projcalc::CalculationFile>(&again);
        if (copy == nullptr || !(*copy == file)) std::abort();
    }
    return 0;
}
