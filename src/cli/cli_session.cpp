#include "cli/cli_session.h"

#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/cli_actions.h"
#include "cli/json_report.h"
#include "core/data_folder.h"
#include "core/languages.h"
#include "files/throw_table_csv.h"

namespace projcalc::cli {
namespace {

namespace fs = std::filesystem;

// A program name without a slash is found the way the shell found it: along $PATH.
fs::path searchPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "";
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        std::error_code ec;
        const fs::path candidate = fs::path(entry.empty() ? "." : entry) / name;
        if (fs::is_regular_file(candidate, ec)) return fs::absolute(candidate, ec);
    }
    return {};
}

// Writes one report and tells whether it reached the output.
bool writeReport(std::ostream& out, const Json& report, int indent) {
    out << dumpJson(report, indent) << '\n';
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

fs::path executableFolder(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) return self.parent_path();

    const std::string_view name = argv0 != nullptr ? argv0 : "";
    fs::path program =
        name.find('/') != std::string_view::npos ? fs::absolute(name, ec) : searchPath(name);
    if (program.empty()) return fs::current_path(ec);
    const fs::path resolved = fs::weakly_canonical(program, ec);
    return (ec ? program : resolved).parent_path();
}

fs::path dataFolderFor(const CliOptions& options, const fs::path& folderOfExecutable) {
    return resolveDataFolder(dataFolderInputsFromEnvironment(folderOfExecutable, options.dataDir),
                             localFileSystem());
}

int runSession(const CliOptions& options, const fs::path& dataFolder, std::ostream& out,
               std::ostream& err, const fs::path& folderOfExecutable) {
    StartUpRules rules;
    if (options.language) {
        const fs::path folder = languagesFolder(dataFolder, folderOfExecutable, localFileSystem());
        const std::vector<ShippedLanguage> shipped =
            shippedLanguageFiles(folder, localFileSystem());
        const std::optional<ShippedLanguage> language = findLanguage(shipped, *options.language);
        if (!language) {
            std::string codes;
            for (const ShippedLanguage& l : shipped)
                codes += (codes.empty() ? "" : ", ") + l.code;
            err << "projcalc-cli: there is no language \"" << *options.language << "\" in "
                << folder.string() << " (" << (codes.empty() ? "none" : codes) << ")\n";
            return kExitUsage;
        }
        rules.languageFile = language->file;
    }
    MemoryView view;
    Calculator calculator(view);
    calculator.setUserDataFolder(userDataFolder(dataFolderInputsFromEnvironment({})));
    CliAnswers answers;
    ActionContext context{calculator, view, answers};
    // One JSON object per line when tracing; one indented object otherwise.
    const int indent = options.trace ? -1 : 2;

    const auto report = [&](const StepStart& since, std::optional<std::string> step) {
        ReportOptions reportOptions;
        reportOptions.scenes = options.scenes;
        reportOptions.since = since;
        reportOptions.step = std::move(step);
        reportOptions.dataFolder = dataFolder;
        reportOptions.answers = &answers;
        return buildReport(calculator, view, reportOptions);
    };
    const auto outputFailed = [&] {
        err << "projcalc-cli: the report could not be written to the standard output\n";
        return kExitFailure;
    };

    if (!calculator.startUp(dataFolder, rules)) {
        err << "projcalc-cli: the calculator cannot start with the data folder "
            << dataFolder.string() << " (see the messages and errors of the report)\n";
        return writeReport(out, buildFatalReport(view, dataFolder), indent) ? kExitFatalStartUp
                                                                            : outputFailed();
    }
    if (options.trace && !writeReport(out, report({}, "start-up"), indent)) return outputFailed();

    for (const ActionRequest& action : options.actions) {
        const StepStart since = StepStart::now(view);
        try {
            runAction(context, action);
        } catch (const UsageError& error) {
            err << "projcalc-cli: " << error.what() << '\n';
            return kExitUsage;
        }
        if (options.trace && !writeReport(out, report(since, action.text), indent)) {
            return outputFailed();
        }
    }

    if (options.csv) {
        const Calculation& c = calculator.calculation();
        out << throwTableCsv(answers.table.value_or(std::vector<ThrowRow>{}), c.unit,
                             c.traits.record.modelName, c.options.aspect);
        out.flush();
        return out ? kExitOk : outputFailed();
    }
    if (options.text) {
        out << calculator.resultsSummary();
        out.flush();
        return out ? kExitOk : outputFailed();
    }
    if (!options.trace && !writeReport(out, report({}, std::nullopt), indent)) {
        return outputFailed();
    }
    return kExitOk;
}

int runCommandLine(const std::vector<std::string>& args,
                   const std::function<fs::path()>& programFolder, std::ostream& out,
                   std::ostream& err, std::string_view helpNote) {
    try {
        const CliOptions options = parseCommandLine(args);
        if (options.help) {
            out << helpText() << helpNote;
            return out.flush() ? kExitOk : kExitFailure;
        }
        if (options.version) {
            out << versionText() << '\n';
            return out.flush() ? kExitOk : kExitFailure;
        }
        // A folder without a catalogue is the start-up's fatal report; one that is not there at
        // all is a bad argument.
        if (options.dataDir && localFileSystem().kindOf(*options.dataDir) != EntryKind::Folder) {
            if (const auto problem = dataFolderProblem(*options.dataDir, localFileSystem()))
                throw UsageError(*problem + " (--data-dir names the folder of ModelInfo.ini)");
        }
        const fs::path folder = programFolder();
        return runSession(options, dataFolderFor(options, folder), out, err, folder);
    } catch (const UsageError& error) {
        err << "projcalc-cli: " << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        err << "projcalc-cli: " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace projcalc::cli
