// projcalc-english-texts.js FILE: writes, as one JSON object for the page, the English text of
// every optional interface text ("texts", key to text) and the names of the option buttons
// ("choices": each group's caption and command-line word by index). A language file that lacks
// one of those keys then shows the very English the window shows, and the page names the
// options as the engine does, from the program's own tables.
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "calc/options.h"
#include "i18n/optional_texts.h"

namespace {

nlohmann::json namesJson(std::span<const projcalc::ChoiceName> names) {
    nlohmann::json list = nlohmann::json::array();
    for (const projcalc::ChoiceName& name : names)
        list.push_back({{"caption", std::string(name.caption)}, {"word", std::string(name.word)}});
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: projcalc-english-texts.js FILE\n";
        return 2;
    }
    nlohmann::json texts = nlohmann::json::object();
    for (const projcalc::OptionalText& text : projcalc::optionalTexts())
        texts[std::string(text.key)] = std::string(text.english);
    const nlohmann::json choices = {{"aspect", namesJson(projcalc::namesOf<projcalc::Aspect>())},
                                    {"zoom", namesJson(projcalc::namesOf<projcalc::Zoom>())},
                                    {"units", namesJson(projcalc::namesOf<projcalc::Unit>())},
                                    {"position", namesJson(projcalc::namesOf<projcalc::Mount>())}};
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << nlohmann::json{{"texts", texts}, {"choices", choices}}.dump(1) << '\n';
    out.close();
    if (!out) {
        std::cerr << "projcalc-english-texts.js: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
