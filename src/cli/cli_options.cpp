#include "cli/cli_options.h"

#include <algorithm>

#include "cli/cli_actions.h"

#ifndef PROJCALC_VERSION
#error "PROJCALC_VERSION must be defined by the build (the CMake project version)"
#endif

namespace projcalc::cli {
namespace {

ActionRequest splitAction(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos) {
        const ActionEntry* entry = findAction(text);
        if (entry != nullptr && entry->argument.empty())
            return ActionRequest{text, text, "", false};
        throw UsageError("\"" + text +
                         "\" is not an action: write NAME=VALUE, for example units=feet, or "
                         "undo or redo (projcalc-cli --help lists the actions)");
    }
    return ActionRequest{text, text.substr(0, equals), text.substr(equals + 1)};
}

std::filesystem::path dataDirArgument(const std::string& value) {
    if (value.empty()) throw UsageError("--data-dir needs a folder");
    return std::filesystem::path(value);
}

}  // namespace

CliOptions parseCommandLine(const std::vector<std::string>& args) {
    CliOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("-")) {
            options.actions.push_back(splitAction(arg));
            checkAction(options.actions.back());
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--scenes") {
            options.scenes = true;
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--text") {
            options.text = true;
        } else if (arg == "--language") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError("--language needs a language code such as de");
            options.language = args[++i];
        } else if (arg.starts_with("--language=")) {
            options.language = arg.substr(std::string_view("--language=").size());
            if (options.language->empty())
                throw UsageError("--language needs a language code such as de");
        } else if (arg == "--data-dir") {
            if (i + 1 >= args.size()) throw UsageError("--data-dir needs a folder");
            options.dataDir = dataDirArgument(args[++i]);
        } else if (arg.starts_with("--data-dir=")) {
            options.dataDir = dataDirArgument(arg.substr(std::string_view("--data-dir=").size()));
        } else {
            throw UsageError("unknown option \"" + arg + "\" (projcalc-cli --help lists them)");
        }
    }
    if (options.csv) {
        if (options.trace) throw UsageError("--csv and --trace cannot go together");
        if (options.text) throw UsageError("--csv and --text cannot go together");
        const bool table = std::any_of(options.actions.begin(), options.actions.end(),
                                       [](const ActionRequest& a) { return a.name == "table"; });
        if (!table) throw UsageError("--csv prints the throw table of a table= action: give one");
    }
    if (options.text && (options.trace || options.scenes)) {
        throw UsageError(
            std::string("--text prints only the summary; it cannot be combined with ") +
            (options.trace ? "--trace" : "--scenes"));
    }
    return options;
}

std::string versionText() {
    return std::string("projcalc-cli ") + PROJCALC_VERSION;
}

std::string helpText() {
    std::string text =
        "Usage: projcalc-cli [--data-dir DIR] [--language CODE] [--trace] [--scenes] [--csv]\n"
        "                   ACTION...\n"
        "       projcalc-cli [--data-dir DIR] --text ACTION...\n"
        "\n"
        "Starts the projection distance calculator without a window, does each ACTION in\n"
        "order as a user would in the window, and prints what the window would then show as\n"
        "one JSON object.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR  read ModelInfo.ini and Language.ini from DIR. Without it: the\n"
        "                  user's folder ($XDG_DATA_HOME/projcalc, else\n"
        "                  ~/.local/share/projcalc) when it holds a ModelInfo.ini, else the\n"
        "                  program's own folder when it holds one, else\n"
        "                  <program folder>/../share/projcalc\n"
        "  --trace         print one JSON line after start-up and after each action, each with\n"
        "                  the messages and errors of that step only; the last line is the\n"
        "                  final state\n"
        "  --language CODE take the interface texts of the shipped language CODE (the folder\n"
        "                  languages/CODE of the data folder, else of the program's own data)\n"
        "                  instead of the data folder's Language.ini, whatever the locale\n"
        "  --scenes        add the two drawings (\"scenes\": front and side) to the output\n"
        "  --csv           print the throw table of the last table= action as CSV (the file\n"
        "                  File > Export throw table... writes) instead of the JSON\n"
        "  --text          print the summary that Edit > Copy Results copies (\"label: value\n"
        "                  unit\" lines) instead of the JSON; not with --trace or --scenes\n"
        "  --help, -h      print this help and end\n"
        "  --version       print the version and end\n"
        "  --              everything after it is an action\n"
        "\n"
        "Actions (NAME=VALUE, split at the first \"=\"; undo and redo without a value):\n";
    std::size_t width = 0;
    for (const ActionEntry& entry : actionTable()) {
        width = std::max(width, entry.name.size() + 1 + entry.argument.size());
    }
    for (const ActionEntry& entry : actionTable()) {
        std::string usage = std::string(entry.name);
        if (!entry.argument.empty()) usage += "=" + std::string(entry.argument);
        usage.resize(width, ' ');
        text += "  " + usage + "  " + std::string(entry.help) + "\n";
    }
    text +=
        "Option words may be written in any case and with blanks (\"16 : 9\", TELE or tele).\n"
        "A typed TEXT is read as the window reads it: one number (blanks are ignored, \".\" is\n"
        "the decimal point), rounded up to a whole number in the selected unit. A text that\n"
        "is not a number (\"150,7\", \"120abc\"), a width or height not above 0, or a value\n"
        "outside the model's limits is refused with the window's message; the box keeps its\n"
        "previous text and nothing is worked out.\n"
        "\n"
        "Output: title, currentFile, changed (the calculation differs from the file last\n"
        "opened or saved, or from the start-up state), model, modelList, options, boxes\n"
        "(distance, diagonal, width, height), offsets, offsetVisible, enterVisible, canUndo,\n"
        "canRedo, state (lengths in inches), planning, planningTexts (the planning figures as\n"
        "the planning panel shows them, in the selected unit), planningInputs (the panel's\n"
        "\"gain\", \"share\" and \"scope\" as gain=, light= and scope= take them), messages\n"
        "(every message box shown, in order), errors (number and description), dataFolder, and\n"
        "with --scenes the drawings.\n"
        "options holds the checked option of each group, and for the aspect and zoom buttons\n"
        "whether each is enabled and its tooltip (for a greyed one, why). Message boxes are\n"
        "acknowledged at once; \"Save changes?\" is never asked: changes are discarded.\n"
        "fit=NEAR..FAR adds \"fit\": {\"diagonal\", \"near\", \"far\", \"models\": [{\"row\",\n"
        "\"name\", \"wide\", \"tele\", \"standFrom\", \"standTo\"}]}, the models (in list order)\n"
        "whose zoom ends within their limits place the projector somewhere between NEAR and\n"
        "FAR; \"wide\" and \"tele\" are {\"distance\", \"withinLimits\", \"fL\"}, or null for an\n"
        "end the model lacks or cannot work out; standFrom..standTo is where it can stand.\n"
        "\"fL\" is the light of that end on the screen (null without lumens); after minfl=N\n"
        "only models some end of which within its limits reaches N fL are listed.\n"
        "table=FROM..TO:STEP adds \"table\": [{\"diagonal\", \"width\", \"height\", \"wide\",\n"
        "\"tele\"}], each end {\"distance\", \"offsetA\", \"offsetB\", \"withinLimits\", \"fL\"}\n"
        "or null; with --csv each end's fL is a column of its own.\n"
        "gain= and light= are read as plain decimal numbers, used as typed; a refused one is\n"
        "said in \"messages\" and changes nothing. A bad minfl= or scope= exits with 2.\n"
        "FROM must be above 0, and a table has at most 10,000 rows: a longer one is refused\n"
        "before anything is worked out.\n"
        "NEAR, FAR, FROM, TO and STEP are plain decimal numbers, not rounded. Every length\n"
        "of \"fit\" and \"table\" is in inches, as a number that reads back exactly.\n"
        "\n"
        "planning: what an installer plans with, lengths in inches; null when the model has\n"
        "no results.\n"
        "  throwRange  the projection distance at each zoom end for the current diagonal:\n"
        "              {\"wide\": {\"distance\", \"withinLimits\"}, \"tele\": ...}\n"
        "  imageRange  the diagonal each zoom end gives at the current distance:\n"
        "              {\"wide\": {\"diagonal\"}, \"tele\": ...}\n"
        "  seating     the viewing distances at which the image width spans 30 degrees\n"
        "              (smpte30), 36 degrees (thx36) and 40 degrees (thx40)\n"
        "  throwRatio  distance / image width at each zoom end: {\"wide\": N, \"tele\": N}\n"
        "  light       null when the model has no lumens, else {\"gain\", \"lightPercent\",\n"
        "              \"wide\", \"tele\"}, each end {\"fL\", \"nits\", \"rating\"} with rating\n"
        "              tooDim (below 12 fL), darkRoom (12 to 27), dimRoom (27 to 40),\n"
        "              livingRoom (40 to 60) or brightRoom (60 and more); with a scope\n"
        "              screen also \"scopeFL\", the light of the scope picture\n"
        "  scope       null without a scope= ratio or with an aspect other than 16:9, else\n"
        "              {\"ratio\", \"width\", \"height\", \"diagonal\", \"imageDiagonal\",\n"
        "              \"wide\": {\"distance\", \"withinLimits\"}, \"tele\": ...,\n"
        "              \"zoomMethod\": {\"standFrom\", \"standTo\"} or null}: the scope screen,\n"
        "              the 16:9 picture as wide as it and where each end throws that picture,\n"
        "              and where one place serves both pictures by the zoom method\n"
        "  A zoom end is null where the model lacks it or its value cannot be worked out.\n"
        "\n"
        "Exit status:\n"
        "  0  the actions ran (refused values and reported errors included)\n"
        "  1  the calculator could not start; stdout holds {\"fatal\": true, \"planning\":\n"
        "     null, \"messages\", \"errors\"}\n"
        "  2  a bad option, action or argument, or an action the window would not allow (a\n"
        "     disabled option, a model not in the list, undo or redo with nothing to do); the\n"
        "     reason is on stderr\n"
        "  3  the report could not be written\n"
        "\n"
        "Examples:\n"
        "  projcalc-cli units=feet aspect=16:9 diagonal=10\n"
        "  projcalc-cli diagonal=100 fit=100..250\n"
        "  projcalc-cli diagonal=100 minfl=40 fit=100..250\n"
        "  projcalc-cli aspect=16:9 gain=1.3 light=70 scope=2.39\n"
        "  projcalc-cli --csv table=60..120:10\n";
    return text;
}

}  // namespace projcalc::cli
