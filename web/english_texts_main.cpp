// projcalc-english-texts.js FILE: writes the English text of every optional interface text, as
// one JSON object from key to text, for the page. A language file that lacks one of those keys
// then shows the very English the window shows, from this one table.
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "i18n/optional_texts.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: projcalc-english-texts.js FILE\n";
        return 2;
    }
    nlohmann::json texts = nlohmann::json::object();
    for (const projcalc::OptionalText& text : projcalc::optionalTexts())
        texts[std::string(text.key)] = std::string(text.english);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << texts.dump(1) << '\n';
    out.close();
    if (!out) {
        std::cerr << "projcalc-english-texts.js: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
