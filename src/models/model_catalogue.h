#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/model_checks.h"
#include "models/model_record.h"
#include "util/errors.h"
#include "util/file_system.h"

namespace projcalc {

// The catalogue holds at most this many models.
inline constexpr std::size_t kMaxModels = 1000;

// A model line the reader left out of the list, and why.
struct LeftOutLine {
    std::string file;      // as the reader was given it
    std::size_t line = 0;  // 1 for the header
    std::string modelName;
    std::string text;           // the field's text (its first 40 characters)
    ModelValueProblem problem;  // the field (column) and the reason
    std::string columnName;     // the column's name on the header line (may be empty)
};

// `FILE, line N: the model "NAME", column "NAME" (field C) "TEXT": REASON`, with a long file
// name shortened and the texts escaped.
[[nodiscard]] std::string describeLeftOutLine(const LeftOutLine& leftOut);

// A light value of a model the reader kept that is not a plain number above 0 and is not used.
struct UnusedLightValue {
    std::string file;
    std::size_t line = 0;
    std::string modelName;
    std::string column;  // "Lumens" or "TeleLumens", as the program names it
    std::string text;    // the field's text (its first 40 characters)
};

// "FILE, line N, model M, column C (TEXT)", with a long file name shortened.
[[nodiscard]] std::string describeUnusedLightValue(const UnusedLightValue& unused);

// What reading a catalogue gave: its models in file order (on an error, those read before it),
// the lines left out and the light values not used, and the error that stopped it, if any.
struct CatalogueRead {
    std::vector<ModelRecord> models;
    std::vector<LeftOutLine> leftOut;           // at most kMaxModels
    std::vector<UnusedLightValue> unusedLight;  // at most kMaxModels
    std::optional<AppError> error;
};

// Reads the text of a model catalogue. The first line is a header and is skipped; a line whose
// name field is blank is skipped; every other line is one model of at least 13 comma-separated
// fields. LF, CR LF and a lone CR end lines. Missing ratio columns are completed with
// fillMissingRatios. `fileName` names the file in error descriptions.
//
// A model the calculator cannot work with is left out and listed in `leftOut`: a field it uses
// (columnInUse) holds text with no number at all ("abc", "nan", "inf"), or checkModelValues finds
// a problem. An empty or blank field reads as 0 (an absent ratio when empty), and a text that
// starts with a number counts as that number ("280abc" is 280), as they always have.
//
// After column 42 the header may name the optional columns "Lumens" and "TeleLumens" (names
// trimmed and compared without regard to case, in any order; the first of two equal names
// counts; other names are ignored). Their values are plain numbers above 0
// (readPositivePlainNumber); an empty field is not given. Another value is not used, the model
// is kept, and the value is listed in `unusedLight`.
[[nodiscard]] CatalogueRead parseModelCatalogue(std::string_view bytes,
                                                const std::string& fileName);

// Reads a catalogue file (UTF-8, UTF-16 with its byte order mark, or Windows-1252 when it is not
// valid UTF-8) with parseModelCatalogue.
[[nodiscard]] CatalogueRead loadModelCatalogue(const std::filesystem::path& path,
                                               FileSystem& fileSystem);

}  // namespace projcalc
