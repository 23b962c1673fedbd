#include "i18n/optional_texts.h"

#include <array>

namespace projcalc {
namespace {

// "<BR>" in a text stands for a line break; "%1", "%2", … for what the program fills in.
constexpr std::array kTexts = {
    OptionalText{"mnuFileExportPdf", "Export P&DF..."},
    OptionalText{"msgLeftOutModels",
                 "These models of %1 were left out, because their values cannot be worked "
                 "with:"},
    OptionalText{"msgLeftOutMore", "... and %1 more lines."},
    OptionalText{"msgOldCatalogue",
                 "The model catalogue %1 cannot be used, so the previous catalogue %2 is used "
                 "instead. Install a catalogue with Option > Select model info file... to put "
                 "this right."},
    OptionalText{"msgModelInFile", "%1 holds a model whose values cannot be worked with (%2): %3"},
};

}  // namespace

std::span<const OptionalText> optionalTexts() noexcept {
    return kTexts;
}

std::optional<std::string_view> englishText(std::string_view key) noexcept {
    for (const OptionalText& text : kTexts) {
        if (text.key == key) return text.english;
    }
    return std::nullopt;
}

}  // namespace projcalc
