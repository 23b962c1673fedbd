#include "core/report_paper.h"

#include <algorithm>
#include <array>

namespace projcalc {
namespace {

// Territories whose locales lay out on Letter (the C library's locale data and CLDR agree).
constexpr std::array<std::string_view, 15> kLetterTerritories = {
    "BO", "BZ", "CA", "CL", "CO", "CR", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"};

}  // namespace

std::string_view paperLocaleName(std::string_view lcAll, std::string_view lcPaper,
                                 std::string_view lang) noexcept {
    if (!lcAll.empty()) return lcAll;
    if (!lcPaper.empty()) return lcPaper;
    return lang;
}

Paper paperForLocale(std::string_view localeName) noexcept {
    // language[_TERRITORY][.codeset][@modifier]
    const std::size_t end = std::min(localeName.find('.'), localeName.find('@'));
    const std::string_view base = localeName.substr(0, end);
    const std::size_t underscore = base.find('_');
    if (underscore == std::string_view::npos) return Paper::A4;
    const std::string_view territory = base.substr(underscore + 1);
    return std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) !=
                   kLetterTerritories.end()
               ? Paper::Letter
               : Paper::A4;
}

}  // namespace projcalc
