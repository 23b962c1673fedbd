#include "old_core/calculator_state.h"

namespace projcalc::legacy {

const ModelRecord& CalculatorState::selectedModel() const noexcept {
    static const ModelRecord kNone;
    if (currentModel < 0 || static_cast<std::size_t>(currentModel) >= modelTable.size()) {
        return kNone;
    }
    return modelTable[static_cast<std::size_t>(currentModel)];
}

}  // namespace projcalc::legacy
