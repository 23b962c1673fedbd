#pragma once

#include <array>
#include <string>
#include <vector>

#include "models/model_record.h"
#include "old_calc/aspect.h"

namespace projcalc::legacy {

// The calculator's process-wide values: the catalogue, the user's selections, the values taken
// from the selected model and the results of the last good solve. Every length is in inches.
struct CalculatorState {
    // The folder ModelInfo.ini and Language.ini are read from, with one trailing separator.
    std::string appFolder;

    // The catalogue in force (at most 1000 models) and the index of the selected model.
    std::vector<ModelRecord> modelTable;
    int currentModel = 0;

    // Selections, each the index of its checked option.
    int unitIndex = 0;          // 0 inches, 1 feet, 2 centimeters
    int zoomEnd = 0;            // 0 WIDE, 1 TELE
    int projectorPosition = 0;  // 0 top of screen, 1 bottom of screen
    int aspectIndex = 0;        // 0 "4 : 3", 1 "5 : 4", 2 "16 : 9", 3 "16 : 10"
    double aspectWidth = 4.0;
    double aspectHeight = 3.0;
    double aspectRatio = 4.0 / 3.0;

    // Results, replaced only by a solve that ends within the limits.
    double screenWidth = 0.0;
    double screenHeight = 0.0;
    double screenDiagonal = 0.0;
    double projectionDistance = 0.0;
    double offsetA = 0.0;
    double offsetB = 0.0;

    // Values of the selected model.
    int modelKind = 0;
    int panelAspect = 0;
    double offsetScale169 = 0.0;
    std::array<double, 2> wideOffsetCoefficients{};  // offset A, offset B
    std::array<double, 2> teleOffsetCoefficients{};
    std::array<int, 2> offsetCount{};  // by zoom end: 1 or 2 offsets
    DiagonalLimits limits;
    double currentMaxDiagonal = 0.0;
    double currentMinDiagonal = 0.0;
    double diagramReference43 = 0.0;
    double diagramReference169 = 0.0;
    double diagramReference1610 = 0.0;
    double frontViewScale = 0.0;  // the distance the front view's reference segment stands for
    OffsetRatios ratios;
    bool hasWideRatio43 = false;
    bool hasWideRatio169 = false;
    bool hasWideRatio1610 = false;
    bool hasWideRatioCurrent = false;

    // The selected model's catalogue record (an empty record when none is selected).
    [[nodiscard]] const ModelRecord& selectedModel() const noexcept;

    // The aspect group of the checked aspect option.
    [[nodiscard]] AspectGroup aspectGroup() const noexcept { return aspectGroupOf(aspectIndex); }

    // The offset coefficients (A, B) of the current zoom end.
    [[nodiscard]] const std::array<double, 2>& offsetCoefficients() const noexcept {
        return zoomEnd == 0 ? wideOffsetCoefficients : teleOffsetCoefficients;
    }
};

}  // namespace projcalc::legacy
