#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/model_record.h"
#include "util/errors.h"
#include "util/file_system.h"

namespace projcalc {

// The catalogue holds at most this many models.
inline constexpr std::size_t kMaxModels = 1000;

// Reads the text of a model catalogue and appends its models to `table` in file order. The first
// line is a header and is skipped; a line whose name field is blank is skipped; every other line
// is one model of at least 13 comma-separated fields. Missing ratio columns are completed with
// fillMissingRatios. On an error the models read before it stay in `table`. `fileName` names the
// file in error descriptions.
[[nodiscard]] std::optional<AppError> parseModelCatalogue(std::string_view bytes,
                                                          const std::string& fileName,
                                                          std::vector<ModelRecord>& table);

// Reads a catalogue file (UTF-8, or Windows-1252 when it is not valid UTF-8) with
// parseModelCatalogue.
[[nodiscard]] std::optional<AppError> loadModelCatalogue(
    const std::filesystem::path& path, std::vector<ModelRecord>& table,
    FileSystem& fileSystem = localFileSystem());

}  // namespace projcalc
