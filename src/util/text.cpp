#include "util/text.h"

namespace projcalc {

std::string replaceAll(std::string text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return text;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string::npos;
         at = text.find(search, from)) {
        result.append(text, from, at - from);
        result.append(replacement);
        from = at + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string_view trimBlanks(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r' && end < text.size()) line.remove_suffix(1);
        lines.push_back(line);
        from = next;
    }
    return lines;
}

std::vector<std::string_view> splitLinesAtAnyEnd(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++from;
    }
    return lines;
}

std::string toLineFeeds(std::string_view text) {
    return replaceAll(std::string(text), "\r\n", "\n");
}

std::size_t utf8Length(std::string_view text) noexcept {
    std::size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t count) noexcept {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count) return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string_view utf8Suffix(std::string_view text, std::size_t count) noexcept {
    if (count == 0) return {};
    std::size_t seen = 0;
    for (std::size_t i = text.size(); i > 0; --i) {
        if ((static_cast<unsigned char>(text[i - 1]) & 0xC0) != 0x80 && ++seen == count) {
            return text.substr(i - 1);
        }
    }
    return text;
}

std::string shortenForMessage(std::string_view text, std::size_t maxCharacters) {
    constexpr std::string_view kEllipsis = "...";
    std::string kept;
    if (utf8Length(text) <= maxCharacters || maxCharacters <= kEllipsis.size() + 1) {
        kept = text;
    } else {
        const std::size_t shown = maxCharacters - kEllipsis.size();
        const std::size_t head = shown / 3;  // the end of a path names the file: keep more of it
        kept = utf8Prefix(text, head);
        kept += kEllipsis;
        kept += utf8Suffix(text, shown - head);
    }
    for (char& c : kept) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return kept;
}

namespace {

// The length of the valid UTF-8 sequence at the start of `text` and its code point, or 0.
std::size_t utf8Sequence(std::string_view text, char32_t& cp) noexcept {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

std::string hexEscape(char32_t value, bool codePoint) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xFu]);
        value >>= 4;
    } while (value != 0);
    if (!codePoint) return (digits.size() < 2 ? "\\x0" : "\\x") + digits;
    return "\\u{" + digits + "}";
}

}  // namespace

std::string quoteForMessage(std::string_view text, std::size_t maxCharacters) {
    std::string quoted = "\"";
    std::size_t shown = 0;
    std::size_t i = 0;
    while (i < text.size() && shown < maxCharacters) {
        char32_t cp = 0;
        const std::size_t length = utf8Sequence(text.substr(i), cp);
        if (length == 0) {
            quoted += hexEscape(static_cast<unsigned char>(text[i]), false);
            i += 1;
        } else if (cp < 0x20 || cp == 0x7F) {
            quoted += hexEscape(cp, false);
            i += length;
        } else if ((cp >= 0x80 && cp <= 0x9F) || cp == 0xFFFD) {
            quoted += hexEscape(cp, true);
            i += length;
        } else {
            quoted.append(text.substr(i, length));
            i += length;
        }
        ++shown;
    }
    if (i < text.size()) quoted += "...";
    return quoted + "\"";
}

}  // namespace projcalc
