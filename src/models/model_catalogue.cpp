#include "models/model_catalogue.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <limits>

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
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) return std::string(text);
    return std::string(utf8Prefix(text, kShown)) + "...";
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
                                      const std::string& fileName, std::size_t lineNumber,
                                      ModelRecord& model,
                                      std::bitset<kColumnCount>& withoutNumber) {
    const auto place = [&] { return where(fileName, lineNumber); };
    const auto notWholeNumber = [&](int column, std::string_view text) {
        return makeError(ErrorCode::Overflow, place() + ", field " + std::to_string(column) + ": " +
                                                  shortened(text) +
                                                  " is not a 32-bit whole number");
    };
    for (int column = 1; column <= kLastColumn; ++column) {
        const std::string_view text = fields[static_cast<std::size_t>(column)];
        const LeadingNumber number = readLeadingNumber(text);
        withoutNumber.set(static_cast<std::size_t>(column), !number.found && !isBlank(text));
        if (number.overflow) {
            return makeError(ErrorCode::Overflow, place() + ", field " + std::to_string(column) +
                                                      ": the number " + shortened(text) +
                                                      " is too large");
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

}  // namespace

std::string describeLeftOutLine(const LeftOutLine& leftOut) {
    return where(leftOut.file, leftOut.line) + ", field " + std::to_string(leftOut.problem.column) +
           " (" + shortenForMessage(leftOut.text, 40) + "): " + leftOut.problem.reason;
}

std::optional<AppError> parseModelCatalogue(std::string_view bytes, const std::string& fileName,
                                            std::vector<ModelRecord>& table) {
    std::vector<LeftOutLine> leftOut;
    return parseModelCatalogue(bytes, fileName, table, leftOut);
}

std::optional<AppError> parseModelCatalogue(std::string_view bytes, const std::string& fileName,
                                            std::vector<ModelRecord>& table,
                                            std::vector<LeftOutLine>& leftOut) {
    const std::string text = decodeText(bytes);
    const std::vector<std::string_view> lines = splitLinesAtAnyEnd(text);
    std::array<std::string_view, kColumnCount> fields{};
    table.reserve(table.size() + std::min(lines.size(), kMaxModels));
    for (std::size_t index = 1; index < lines.size(); ++index) {  // line 1 is the header
        const std::size_t lineNumber = index + 1;
        const std::size_t count = splitFields(lines[index], fields);
        const std::string_view name = trimBlanks(fields[0]);
        if (name.empty()) continue;
        const auto place = [&] { return where(fileName, lineNumber); };
        if (count < static_cast<std::size_t>(kRequiredColumns)) {
            return makeError(ErrorCode::TableFull, place() + " has " + std::to_string(count) +
                                                       (count == 1 ? " field" : " fields") +
                                                       "; a model needs at least " +
                                                       std::to_string(kRequiredColumns));
        }
        ModelRecord model;
        model.modelName = std::string(name);
        std::bitset<kColumnCount> withoutNumber;
        if (auto error = readModelLine(fields, fileName, lineNumber, model, withoutNumber))
            return error;
        std::optional<ModelValueProblem> problem = fieldWithoutNumber(withoutNumber, model);
        if (!problem) problem = checkModelValues(model);
        if (problem) {
            if (leftOut.size() < kMaxModels) {
                const std::string_view field = fields[static_cast<std::size_t>(problem->column)];
                leftOut.push_back(LeftOutLine{fileName, lineNumber, model.modelName,
                                              std::string(utf8Prefix(field, 40)),
                                              std::move(*problem)});
            }
            continue;
        }
        if (table.size() >= kMaxModels) {
            return makeError(ErrorCode::TableFull, place() + ": the catalogue holds at most " +
                                                       std::to_string(kMaxModels) + " models");
        }
        table.push_back(std::move(model));
    }
    return std::nullopt;
}

std::optional<AppError> loadModelCatalogue(const std::filesystem::path& path,
                                           std::vector<ModelRecord>& table,
                                           std::vector<LeftOutLine>& leftOut,
                                           FileSystem& fileSystem) {
    std::string bytes;
    if (auto error = fileSystem.readFile(path, bytes)) return error;
    return parseModelCatalogue(bytes, path.string(), table, leftOut);
}

std::optional<AppError> loadModelCatalogue(const std::filesystem::path& path,
                                           std::vector<ModelRecord>& table,
                                           FileSystem& fileSystem) {
    std::vector<LeftOutLine> leftOut;
    return loadModelCatalogue(path, table, leftOut, fileSystem);
}

}  // namespace projcalc
