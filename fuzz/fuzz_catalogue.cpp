// Any bytes read as a catalogue load or fail cleanly, and every loaded value is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "models/model_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const projcalc::CatalogueRead read = projcalc::parseModelCatalogue(bytes, "ModelInfo.ini");
    const auto& table = read.models;
    const auto& error = read.error;
    if (error && (error->number() == 0 || error->description.empty())) std::abort();
    if (table.size() > projcalc::kMaxModels) std::abort();
    for (const projcalc::ModelRecord& model : table) {
        if (model.modelName.empty()) std::abort();
        for (int column = 1; column <= projcalc::kLastColumn; ++column) {
            if (const double* value = projcalc::realColumn(model, column)) {
                if (!std::isfinite(*value)) std::abort();
            }
            if (const auto* ratio = projcalc::ratioColumn(model, column)) {
                if (!std::isfinite(ratio->value)) std::abort();
            }
        }
    }
    return 0;
}
