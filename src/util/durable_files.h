#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "util/errors.h"

namespace projcalc {

struct PosixCalls;

// The writes of the local file system that must survive a crash or a power cut, and keep what
// the user set up: links stay links, permission bits and owners stay as they were.

// The file a path names once every symbolic link along its last component is followed (the
// path itself when it is no link). A link may point at a file that does not exist yet.
[[nodiscard]] Result<std::filesystem::path> followLinks(const std::filesystem::path& path);

// Replaces the file `path` names (through its links) with `contents`: a temporary file of ours
// created exclusively beside it and locked while it is written, given the permission bits and
// owner of the file it replaces (`newFileMode`, less the umask, for a new file), synced, renamed
// over the target, and the folder synced. Stale temporary files of that target are removed first.
[[nodiscard]] std::optional<AppError> writeDurably(const PosixCalls& calls,
                                                   const std::filesystem::path& path,
                                                   std::string_view contents, unsigned newFileMode);

// Renames `from` over the file `to` names (through its links), giving it the permission bits and
// owner of the file it replaces; the file is synced before and the folders after.
[[nodiscard]] std::optional<AppError> renameDurably(const PosixCalls& calls,
                                                    const std::filesystem::path& from,
                                                    const std::filesystem::path& to);

}  // namespace projcalc
