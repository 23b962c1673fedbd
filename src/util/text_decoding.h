#pragma once

#include <string>
#include <string_view>

namespace projcalc {

// Turns the bytes of a text file into UTF-8: a UTF-8 byte order mark is skipped; a UTF-16 byte
// order mark (either byte order) makes the rest UTF-16; otherwise bytes that are not valid UTF-8
// are read as Windows-1252, the single-byte code page older files were written in.
[[nodiscard]] std::string decodeText(std::string_view bytes);

[[nodiscard]] bool isValidUtf8(std::string_view bytes) noexcept;

}  // namespace projcalc
