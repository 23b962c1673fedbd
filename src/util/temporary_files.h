#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "util/errors.h"

namespace projcalc {

struct PosixCalls;

// The temporary files a save writes before it renames them over their target:
// ".<target name>.projcalc-<12 hexadecimal digits>.tmp" beside the target, hidden so that file
// dialogs do not list them. Their writer holds an exclusive flock on them until the rename, so a
// temporary file that nobody holds locked is left over from a save that was interrupted.

// The temporary file name for a target of this name and a unique number (its low 48 bits
// count). Target names too long for the system's name limit are cut.
[[nodiscard]] std::string temporaryFileName(std::string_view targetName, std::uint64_t unique);

// Whether a file name is one of our temporary file names (of any target).
[[nodiscard]] bool isTemporaryFileName(std::string_view name) noexcept;

// Whether a file name is one of our temporary file names for the target of this name, including
// the "<target name>.<12 hexadecimal digits>.tmp" names that earlier releases used.
[[nodiscard]] bool isTemporaryFileNameFor(std::string_view name,
                                          std::string_view targetName) noexcept;

// Removes our temporary files in `folder` that no process holds locked: every one, or only
// those of `targetName` when it is not empty. Files in use, and files that cannot be removed,
// stay. Fails only when the folder cannot be listed.
[[nodiscard]] std::optional<AppError> removeStaleTemporaryFiles(const std::filesystem::path& folder,
                                                                const PosixCalls& calls,
                                                                std::string_view targetName = {});

// The same on the running system, for the start-up to tidy the data folder.
[[nodiscard]] std::optional<AppError> removeStaleTemporaryFiles(
    const std::filesystem::path& folder);

}  // namespace projcalc
