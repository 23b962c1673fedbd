#pragma once

#include <string_view>

namespace projcalc {

// The paper sizes a report is laid out for when no printer decides.
enum class Paper { A4, Letter };

// The locale that decides the paper, by the rule of the C library: LC_ALL when set and not empty,
// else LC_PAPER, else LANG; empty when none is set.
[[nodiscard]] std::string_view paperLocaleName(std::string_view lcAll, std::string_view lcPaper,
                                               std::string_view lang) noexcept;

// The paper of a locale ("en_US.UTF-8", "es_MX", "fr_CA@euro"): Letter where its territory uses
// it (the United States, Canada, Mexico, the Philippines and much of Central and South America),
// A4 everywhere else, and for "C", "POSIX" and names without a territory.
[[nodiscard]] Paper paperForLocale(std::string_view localeName) noexcept;

}  // namespace projcalc
