#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace projcalc {

// The platform's path separator.
inline constexpr char kPathSeparator = '/';

// The part of a path after its last separator ("/" or "\"); empty when the path ends with a
// separator or has none: "D:\plans\hall.cf" and "/plans/hall.cf" both give "hall.cf".
[[nodiscard]] std::string fileNameOf(std::string_view path);

// The name before its last "."; a name without "." is returned unchanged.
[[nodiscard]] std::string stripExtension(std::string_view name);

// The folder path with exactly one trailing separator added when it has none.
[[nodiscard]] std::string withTrailingBackslash(std::string_view path);

// How many characters of a path an error description shows at most.
inline constexpr std::size_t kShownPathCharacters = 120;

// A path as error descriptions show it: shortened in the middle when it is very long, control
// characters shown as "?" (shortenForMessage).
[[nodiscard]] std::string displayPath(std::string_view path);

// The process's current folder, where file dialogs start; empty when it cannot be found.
[[nodiscard]] std::string currentFolder();

}  // namespace projcalc
