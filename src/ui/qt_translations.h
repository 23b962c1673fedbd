#pragma once

#include <QString>

namespace projcalc::ui {

// Qt's own translations of its standard buttons and dialogs ("Cancel", the file dialog, the
// print dialog) for an interface language, from the system's Qt translations: the previous ones
// are taken away, and "en", an empty code or a language Qt has no file for leaves Qt's English.
// Returns whether a translation is in use.
bool useQtTranslations(const QString& languageCode);

}  // namespace projcalc::ui
