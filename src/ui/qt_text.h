#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "util/text.h"

namespace projcalc::ui {

// Engine texts are UTF-8 with CR LF line breaks; Qt texts break lines at LF.
[[nodiscard]] inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QString toQtLines(std::string_view text) {
    return toQt(toLineFeeds(text));
}

[[nodiscard]] inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

}  // namespace projcalc::ui
