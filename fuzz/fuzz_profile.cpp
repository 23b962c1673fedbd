// Any bytes read as a language file give a profile and either every interface text or a
// missing key, never a crash; values never exceed their length limit.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "i18n/language.h"
#include "util/profile.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const projcalc::Profile profile = projcalc::Profile::parse(bytes);
    const auto read = projcalc::readInterfaceTexts(profile);
    const auto* missing = std::get_if<projcalc::MissingText>(&read);
    if (missing != nullptr && missing->key.empty()) std::abort();
    if (const auto* texts = std::get_if<projcalc::InterfaceTexts>(&read)) {
        if (projcalc::utf8Length(texts->captionText) > projcalc::Profile::kMaxValueLength) {
            std::abort();
        }
        if (texts->fontSize < 0) std::abort();
    }
    (void)projcalc::readVersionText(profile);
    return 0;
}
