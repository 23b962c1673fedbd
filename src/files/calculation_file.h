#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/options.h"
#include "files/calculation_tail.h"
#include "models/model_record.h"
#include "util/errors.h"

namespace projcalc {

// A saved calculation: a full copy of the selected model's catalogue record, then the selections
// and results. Lengths are in inches. The file stores the choices as their index codes and the
// aspect as its ratio and its two sides; here they are the choices themselves.
struct CalculationFile {
    ModelRecord model;
    Zoom zoom = Zoom::Wide;
    Mount mount = Mount::Top;
    Aspect aspect = Aspect::R4x3;
    Unit unit = Unit::Inches;
    double screenWidth = 0.0;
    double screenHeight = 0.0;
    double screenDiagonal = 0.0;
    double projectionDistance = 0.0;
    double offsetA = 0.0;
    double offsetB = 0.0;
    int offsetCountWide = 0;
    int offsetCountTele = 0;
    double frontViewScale = 0.0;
    CalculationTail tail;  // after the 76 values; the model's lumens are kept there too

    friend bool operator==(const CalculationFile&, const CalculationFile&) = default;
};

// The number of values a calculation file holds.
inline constexpr int kCalculationFileValues = 76;

// The text of a calculation file: the 76 values one per line, each line ended by CR LF, then the
// keyed tail (writeCalculationTail), empty for a calculation with default light values, no
// lumens and no scope. A model name with a double quote or a line break cannot be written (there
// is no escaping): that is an error, never a file that reads back differently.
[[nodiscard]] std::variant<std::string, AppError> writeCalculationFile(const CalculationFile& file,
                                                                       const std::string& fileName);

// Reads a calculation file. Values are separated by line ends or commas, with blanks around them
// skipped; after the 76th value only the keyed tail is read (readCalculationTail), so a file
// without it reads as before. Each value must be of its type (a quoted
// text, #TRUE# or #FALSE#, a whole number within its range, a number); a value of another type
// is error 13 naming the line, a file that ends early is error 62. Once every value is read, the
// zoom end (line 62), the mount (line 63) and the unit (line 67) must name a choice that exists,
// or it is error 13 naming that line. The aspect is taken from its two sides (lines 65 and 66):
// any pair but 4:3, 16:9 and 16:10 is 5:4; the ratio on line 64 is not read. A file that is not
// valid UTF-8 is read as Windows-1252.
[[nodiscard]] std::variant<CalculationFile, AppError> parseCalculationFile(
    std::string_view bytes, const std::string& fileName);

// The error for a file whose aspect the model it is opened with does not offer (a catalogue
// changed since the save may have dropped it); nothing when the model offers it, or offers no
// aspect at all and so takes any.
[[nodiscard]] std::optional<AppError> checkAspectOffered(const ModelRecord& model, Aspect aspect,
                                                         const std::string& fileName);

}  // namespace projcalc
