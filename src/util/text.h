#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace projcalc {

// Replaces every occurrence of `search` in `text` by `replacement`, case-sensitively. An empty
// search text leaves the text unchanged.
[[nodiscard]] std::string replaceAll(std::string text, std::string_view search,
                                     std::string_view replacement);

// The text without leading and trailing blanks (spaces only; tabs are kept).
[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

// Splits a text into lines at LF, dropping one CR before each LF. A final line end does not
// start another line; an empty text has no lines.
[[nodiscard]] std::vector<std::string_view> splitLines(std::string_view text);

// Splits a text into lines as splitLines does, except that a CR not followed by LF also ends a
// line (files written with the line ends of classic Mac systems).
[[nodiscard]] std::vector<std::string_view> splitLinesAtAnyEnd(std::string_view text);

// The text with every CR LF turned into LF, for widgets that break lines at LF only.
[[nodiscard]] std::string toLineFeeds(std::string_view text);

// The number of characters (code points) of a UTF-8 text.
[[nodiscard]] std::size_t utf8Length(std::string_view text) noexcept;

// The first `count` characters (code points) of a UTF-8 text.
[[nodiscard]] std::string_view utf8Prefix(std::string_view text, std::size_t count) noexcept;

// The last `count` characters (code points) of a UTF-8 text.
[[nodiscard]] std::string_view utf8Suffix(std::string_view text, std::size_t count) noexcept;

// A text as a message may show it: control characters (line breaks included) become "?", and a
// text longer than `maxCharacters` keeps its beginning and its end with "..." between them, so
// that no text from outside can make a message taller or wider than the screen.
[[nodiscard]] std::string shortenForMessage(std::string_view text, std::size_t maxCharacters);

// A text from a file as a message quotes it: in double quotes, every control character (C0, DEL,
// C1), every byte that is not valid UTF-8 and every U+FFFD written as \xNN or \u{XXXX}, and
// cut after `maxCharacters` shown characters with "..." before the closing quote. So a binary
// file or a broken line can never put garbage into a message.
[[nodiscard]] std::string quoteForMessage(std::string_view text, std::size_t maxCharacters = 32);

}  // namespace projcalc
