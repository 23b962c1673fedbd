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
    std::string missing;
    const auto texts = projcalc::readInterfaceTexts(profile, &missing);
    if (!texts && missing.empty()) std::abort();
    if (texts) {
        if (projcalc::utf8Length(texts->captionText) > projcalc::Profile::kMaxValueLength) {
            std::abort();
        }
        if (texts->fontSize < 0) std::abort();
    }
    (void)projcalc::readVersionText(profile);
    return 0;
}
