#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace projcalc {

// An interface text that an older Language.ini may lack: its key and the English text used then.
struct OptionalText {
    std::string_view key;
    std::string_view english;
};

// Every optional text of the program. A feature that adds a caption, tooltip or message adds its
// row here (and its key to the shipped language files).
[[nodiscard]] std::span<const OptionalText> optionalTexts() noexcept;

// The English text of an optional key; nothing for a key that is not in the table.
[[nodiscard]] std::optional<std::string_view> englishText(std::string_view key) noexcept;

}  // namespace projcalc
