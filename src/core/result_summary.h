#pragma once

#include <string>
#include <vector>

#include "core/calculation.h"
#include "i18n/language.h"

namespace projcalc {

// The lines of the plain-text summary of a calculation that Edit > Copy Results puts on the
// clipboard and `projcalc-cli --text` prints: "label: value unit", each label as the window
// shows it. Model, aspect, zoom end and mounting; then, when there are results, the four values
// and the offsets ("Offset: 90.0 ~ 18.0 inches" when the model has two at its zoom end).
[[nodiscard]] std::vector<std::string> resultSummaryLines(const Calculation& calculation,
                                                          const InterfaceTexts& texts);

// The planning read-outs as summary lines, labelled as the planning panel labels them ("Distance
// for this screen, WIDE: 12′ 4″"); none without results.
[[nodiscard]] std::vector<std::string> planningSummaryLines(const Calculation& calculation,
                                                            const InterfaceTexts& texts);

// The summary text: the lines, each ended by a line feed.
[[nodiscard]] std::string summaryText(const std::vector<std::string>& lines);

}  // namespace projcalc
