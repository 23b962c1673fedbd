#include "models/model_catalogue.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <limits>

#include "models/plain_number.h"
#include "util/numbers.h"
#include "util/paths.h"
#include "util/text.h"
#include "util/text_decoding.h"

namespace projcalc {
namespace {

constexpr int kColumnCount = kLastColumn + 1;
constexpr int kKindColumn = 15;  // a real in the file, used as a whole number

bool fitsInt32(double value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

std::string where(const std::string& fileName, std::size_t lineNumber) {
    return displayPath(fileName) + ", line " + std::to_string(lineNumber);
}

bool isBlank(std::string_view text) noexcept {
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') return false;
    }
    return true;
}

// The first field the model uses that holds text but no number, or nothing. `withoutNumber`
// marks the fields readModelLine found so.
std::optional<ModelValueProblem> fieldWithoutNumber(const std::bitset<kColumnCount>& withoutNumber,
                                                    const ModelRecord& model) {
    for (int column = 1; column <= kLastColumn; ++column) {
        if (!withoutNumber.test(static_cast<std::size_t>(column)) || !columnInUse(model, column))
            continue;
        return ModelValueProblem{ModelValueProblemKind::NoNumber, column, "holds no number"};
    }
    return std::nullopt;
}

std::string shortened(std::string_view text) {
    return quoteForMessage(text, 40);
}

// A column as a message names it: its name on the header line and its field number,
// `column "min43W" (field 1)`, or only `field 1` when the header line has no name there.
std::string columnLabel(std::string_view headerName, int column) {
    std::string field = "field " + std::to_string(column);
    const std::string_view name = trimBlanks(headerName);
    if (name.empty()) return field;
    return "column " + quoteForMessage(name, 24) + " (" + field + ")";
}

// Splits a line at every comma into at most 43 fields; `count` is the number of fields the line
// really has (fields beyond 42 are not kept).
std::size_t splitFields(std::string_view line, std::array<std::string_view, kColumnCount>& fields) {
    std::size_t count = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = line.find(',', from);
        const std::string_view field = line.substr(
            from, comma == std::string_view::npos ? std::string_view::npos : comma - from);
        if (count < fields.size()) fields[count] = field;
        ++count;
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    for (std::size_t i = count; i < fields.size(); ++i)
        fields[i] = {};
    return count;
}

// Reads the fields of one model line into `model`; `withoutNumber` marks the fields that hold
// text but no number.
std::optional<AppError> readModelLine(const std::array<std::string_view, kColumnCount>& fields,
                                      const std::array<std::string_view, kColumnCount>& header,
                                      const std::string& fileName, std::size_t lineNumber,
                                      ModelRecord& model,
                                      std::bitset<kColumnCount>& withoutNumber) {
    const auto problem = [&](int column, std::string_view text, std::string_view what) {
        return describedError(ErrorCode::Overflow,
                              "The catalogue cannot be read: the model " +
                                  quoteForMessage(model.modelName, 40) + " has " + shortened(text) +
                                  " in its " +
                                  columnLabel(header[static_cast<std::size_t>(column)], column) +
                                  ", " + std::string(what) + ".",
                              where(fileName, lineNumber));
    };
    const auto notWholeNumber = [&](int column, std::string_view text) {
        return problem(column, text, "not a 32-bit whole number");
    };
    for (int column = 1; column <= kLastColumn; ++column) {
        const std::string_view text = fields[static_cast<std::size_t>(column)];
        const LeadingNumber number = readLeadingNumber(text);
        withoutNumber.set(static_cast<std::size_t>(column), !number.found && !isBlank(text));
        if (number.overflow) {
            return problem(column, text, "a number too large");
        }
        if (column == kKindColumn && !fitsInt32(roundHalfEven(number.value))) {
            return notWholeNumber(column, text);
        }
        if (double* real = realColumn(model, column)) {
            *real = number.value;
        } else if (OffsetRatio* ratio = ratioColumn(model, column)) {
            ratio->value = number.value;
            ratio->present = !text.empty();
        } else {
            const double rounded = roundHalfEven(number.value);
            if (!fitsInt32(rounded)) return notWholeNumber(column, text);
            const auto value = static_cast<std::int32_t>(rounded);
            (column == 13 ? model.panelAspect : model.aspectMask) = value;
        }
    }
    fillMissingRatios(model.ratios);
    return std::nullopt;
}

// The optional light columns the header names after column 42, by their field index; -1 where
// the header does not name one.
struct LightColumns {
    std::ptrdiff_t lumens = -1;
    std::ptrdiff_t teleLumens = -1;
};

bool equalsIgnoringCase(std::string_view text, std::string_view lowerName) noexcept {
    if (text.size() != lowerName.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (c != lowerName[i]) return false;
    }
    return true;
}

// A header name without the blanks and tabs around it.
std::string_view trimmedName(std::string_view name) noexcept {
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

LightColumns lightColumnsOf(std::string_view header) {
    LightColumns columns;
    std::ptrdiff_t index = 0;
    std::size_t from = 0;
    for (;; ++index) {
        const std::size_t comma = header.find(',', from);
        const std::string_view name = trimmedName(header.substr(
            from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (index > kLastColumn) {
            if (columns.lumens < 0 && equalsIgnoringCase(name, "lumens")) columns.lumens = index;
            if (columns.teleLumens < 0 && equalsIgnoringCase(name, "telelumens"))
                columns.teleLumens = index;
        }
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    return columns;
}

// Field `index` of a line; nothing when the line has fewer fields.
std::optional<std::string_view> fieldAt(std::string_view line, std::ptrdiff_t index) {
    std::size_t from = 0;
    for (std::ptrdiff_t i = 0; i < index; ++i) {
        const std::size_t comma = line.find(',', from);
        if (comma == std::string_view::npos) return std::nullopt;
        from = comma + 1;
    }
    const std::size_t comma = line.find(',', from);
    return line.substr(from,
                       comma == std::string_view::npos ? std::string_view::npos : comma - from);
}

// Reads the light values of a kept model; a value that is not a plain number above 0 stays 0 and
// is listed.
void readLightValues(std::string_view line, const LightColumns& columns,
                     const std::string& fileName, std::size_t lineNumber, ModelRecord& model,
                     std::vector<UnusedLightValue>& unusedLight) {
    const auto read = [&](std::ptrdiff_t column, const char* name, double& value) {
        if (column < 0) return;
        const std::optional<std::string_view> field = fieldAt(line, column);
        if (!field || isBlank(*field)) return;
        if (const std::optional<double> number = readPositivePlainNumber(*field)) {
            value = *number;
        } else if (unusedLight.size() < kMaxModels) {
            unusedLight.push_back(UnusedLightValue{fileName, lineNumber, model.modelName, name,
                                                   std::string(utf8Prefix(*field, 40))});
        }
    };
    read(columns.lumens, "Lumens", model.lumens);
    read(columns.teleLumens, "TeleLumens", model.teleLumens);
}

}  // namespace

std::string describeUnusedLightValue(const UnusedLightValue& unused) {
    return where(unused.file, unused.line) + ", model " + unused.modelName + ", column " +
           unused.column + " (" + shortenForMessage(unused.text, 40) + ")";
}

std::string describeLeftOutLine(const LeftOutLine& leftOut) {
    return where(leftOut.file, leftOut.line) + ": the model " +
           quoteForMessage(leftOut.modelName, 40) + ", " +
           columnLabel(leftOut.columnName, leftOut.problem.column) + " " +
           quoteForMessage(leftOut.text, 40) + ": " + leftOut.problem.reason;
}

namespace {

// Reads the catalogue's lines into `read`, up to the first error, which it gives back.
std::optional<AppError> readCatalogueLines(std::string_view bytes, const std::string& fileName,
                                           CatalogueRead& read) {
    std::vector<ModelRecord>& table = read.models;
    std::vector<LeftOutLine>& leftOut = read.leftOut;
    const std::string text = decodeText(bytes);
    const std::vector<std::string_view> lines = splitLinesAtAnyEnd(text);
    const LightColumns lightColumns = lines.empty() ? LightColumns{} : lightColumnsOf(lines[0]);
    std::array<std::string_view, kColumnCount> fields{};
    // The header line names the columns, for the messages.
    std::array<std::string_view, kColumnCount> header{};
    if (!lines.empty()) (void)splitFields(lines[0], header);
    table.reserve(std::min(lines.size(), kMaxModels));
    for (std::size_t index = 1; index < lines.size(); ++index) {  // line 1 is the header
        const std::size_t lineNumber = index + 1;
        const std::size_t count = splitFields(lines[index], fields);
        const std::string_view name = trimBlanks(fields[0]);
        if (name.empty()) continue;
        const auto place = [&] { return where(fileName, lineNumber); };
        if (count < static_cast<std::size_t>(kRequiredColumns)) {
            return describedError(
                ErrorCode::TableFull,
                "The catalogue cannot be read: the model " + quoteForMessage(name, 40) + " has " +
                    std::to_string(count) + (count == 1 ? " field" : " fields") +
                    " where a model needs at least " + std::to_string(kRequiredColumns) + ".",
                place());
        }
        ModelRecord model;
        model.modelName = std::string(name);
        std::bitset<kColumnCount> withoutNumber;
        if (auto error = readModelLine(fields, header, fileName, lineNumber, model, withoutNumber))
            return error;
        std::optional<ModelValueProblem> problem = fieldWithoutNumber(withoutNumber, model);
        if (!problem) problem = checkModelValues(model);
        if (problem) {
            if (leftOut.size() < kMaxModels) {
                const auto column = static_cast<std::size_t>(problem->column);
                leftOut.push_back(LeftOutLine{fileName, lineNumber, model.modelName,
                                              std::string(utf8Prefix(fields[column], 40)),
                                              std::move(*problem),
                                              std::string(trimBlanks(header[column]))});
            }
            continue;
        }
        if (table.size() >= kMaxModels) {
            return describedError(ErrorCode::TableFull,
                                  "The catalogue holds too many models: at most " +
                                      std::to_string(kMaxModels) + " can be read.",
                                  place());
        }
        readLightValues(lines[index], lightColumns, fileName, lineNumber, model, read.unusedLight);
        table.push_back(std::move(model));
    }
    return std::nullopt;
}

}  // namespace

CatalogueRead parseModelCatalogue(std::string_view bytes, const std::string& fileName) {
    CatalogueRead read;
    read.error = readCatalogueLines(bytes, fileName, read);
    return read;
}

CatalogueRead loadModelCatalogue(const std::filesystem::path& path, FileSystem& fileSystem) {
    auto bytes = fileSystem.readFile(path);
    if (auto* error = std::get_if<AppError>(&bytes)) {
        CatalogueRead read;
        read.error = std::move(*error);
        return read;
    }
    return parseModelCatalogue(std::get<std::string>(bytes), path.string());
}

}  // namespace projcalc
