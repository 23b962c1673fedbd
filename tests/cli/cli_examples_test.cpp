// What a new user meets first: the examples of --help, the manual page and the README run as
// shown, and the edges of the command line (a table's range, a missing data folder, a broken
// file) are refused or reported with a message that says in words what is wrong.
#include <fstream>
#include <regex>

#include "cli_fixture.h"

namespace projcalc::cli_test {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The example commands of a text: each line that starts (after blanks) with `program`.
std::vector<std::string> commandLines(const std::string& text, const std::string& program) {
    std::vector<std::string> commands;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, program.size(), program) == 0)
            commands.push_back(line.substr(start));
    }
    return commands;
}

std::vector<std::string> words(const std::string& command) {
    std::vector<std::string> result;
    std::istringstream in(command);
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// Every example the user is shown: --help after its "Example" line, the manual page's example
// blocks (.EX ... .EE) and the README's command lines.
std::vector<std::string> shownExamples() {
    std::vector<std::string> examples;
    const std::string help = runCli({"--help"}, {"LC_ALL=C.UTF-8"}).out;
    const auto at = help.find("\nExample");
    EXPECT_NE(at, std::string::npos) << help;
    if (at != std::string::npos) {
        for (const std::string& c : commandLines(help.substr(at), "projcalc-cli "))
            examples.push_back("--help: " + c);
    }
    const std::string man =
        fileText(std::filesystem::path(PROJCALC_SOURCE_DIR) / "packaging/man/projcalc-cli.1");
    const std::regex block(R"(\.EX\n([^]*?)\.EE)");
    for (auto it = std::sregex_iterator(man.begin(), man.end(), block);
         it != std::sregex_iterator(); ++it) {
        std::string text = (*it)[1];
        text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
        for (const std::string& c : commandLines(text, "projcalc-cli "))
            examples.push_back("man: " + c);
    }
    const std::string readme = fileText(std::filesystem::path(PROJCALC_SOURCE_DIR) / "README.md");
    for (const std::string& c : commandLines(readme, "build/dev/src/cli/projcalc-cli "))
        examples.push_back("README: " + c);
    return examples;
}

TEST(CliExamples, EveryExampleShownRunsAsShownWithoutARefusal) {
    TempDir home;
    const std::vector<std::string> examples = shownExamples();
    EXPECT_GE(examples.size(), 5u);
    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        const std::string command = example.substr(example.find(": ") + 2);
        EXPECT_EQ(command.find_first_of("|;&<>"), std::string::npos) << "one command, no pipes";
        std::vector<std::string> args = words(command);
        args.erase(args.begin());  // the program
        // On the shipped catalogue beside the built tool, as a user without a folder of their own.
        const CliResult result = runCli(args, {"HOME=" + home.path().string(), "LC_ALL=C.UTF-8"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        if (std::find(args.begin(), args.end(), "--csv") != args.end()) {
            EXPECT_GT(std::count(result.out.begin(), result.out.end(), '\n'), 2) << result.out;
            continue;
        }
        const json report = parsed(result.out);
        EXPECT_EQ(report["messages"], json::array()) << report["messages"];
        EXPECT_EQ(report["errors"], json::array()) << report["errors"];
    }
}

// A case of the command line's edges: what is run, and what the user then reads.
struct EdgeCase {
    const char* name;
    std::vector<std::string> actions;
    int exitCode;
    const char* says;  // on standard error (exit 2), else in the report's messages and errors
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class CliEdges : public CliTest, public ::testing::WithParamInterface<EdgeCase> {
  protected:
    // The files the cases name, in the test's folder: %DIR% in an action stands for it.
    void SetUp() override {
        writeData(
            {kPlain, kWide169,
             "Upside,300,40,250,30,1,0,0.8,0,0.5,0.6,0,0,0,3,0,0,10,280,10,240,10,290,10,245"});
        std::ofstream(dir.path() / "ModelInfoLeftOut.ini", std::ios::binary)
            << fileText(dataFolder() / "ModelInfo.ini");
        const CliResult saved = run({"save-as=" + (dir.path() / "whole.cf").string()});
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
        const std::string whole = fileText(dir.path() / "whole.cf");
        std::string first21;
        std::size_t at = 0;
        for (int line = 0; line < 21; ++line)
            at = whole.find('\n', at) + 1;
        first21 = whole.substr(0, at);
        std::ofstream(dir.path() / "short.cf", std::ios::binary) << first21;
        std::string binary = "\x89PNG\r\n\x1A\n";
        for (int i = 0; i < 300; ++i)
            binary += static_cast<char>(i * 7 % 256);
        std::ofstream(dir.path() / "picture.cf", std::ios::binary) << binary;
        std::filesystem::create_directories(dir.path() / "empty");
    }

    [[nodiscard]] std::vector<std::string> expanded(const std::vector<std::string>& actions) const {
        std::vector<std::string> result;
        for (const std::string& action : actions)
            result.push_back(std::regex_replace(action, std::regex("%DIR%"), dir.path().string()));
        return result;
    }
};

TEST_P(CliEdges, AreRefusedOrReportedInWords) {
    const EdgeCase& c = GetParam();
    std::vector<std::string> args = expanded(c.actions);
    // Cases that name their own data folder run without the test's.
    const bool ownFolder = !args.empty() && args.front() == "--data-dir";
    const CliResult result = ownFolder ? runCli(args, environment()) : run(args);
    ASSERT_EQ(result.exitCode, c.exitCode) << result.out << result.err;
    const std::string says = std::regex_replace(c.says, std::regex("%DIR%"), dir.path().string());
    if (c.exitCode != 0) {
        EXPECT_NE(result.err.find(says), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        return;
    }
    const json report = parsed(result.out);
    std::string shown;
    for (const json& message : report["messages"])
        shown += message.get<std::string>() + "\n";
    for (const json& error : report["errors"])
        shown += error["description"].get<std::string>() + "\n";
    EXPECT_NE(shown.find(says), std::string::npos) << shown;
    // Nothing of a file's bytes reaches the message unescaped.
    for (const char ch : shown) {
        const auto byte = static_cast<unsigned char>(ch);
        EXPECT_TRUE(byte >= 0x20 || ch == '\n' || ch == '\r') << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliEdges,
    ::testing::Values(
        EdgeCase{"TableFromZero", {"table=0..10:1"}, 2, "FROM must be above 0"},
        EdgeCase{"TableFromNegative", {"table=-5..10:1"}, 2, "FROM must be above 0"},
        EdgeCase{"TableTooLong",
                 {"table=1..1000000:0.001"},
                 2,
                 "rows, more than the 10,000 a table may have"},
        EdgeCase{"TableFarTooLong", {"table=1..1000000000000000000:1"}, 2, "far more rows"},
        EdgeCase{"TableOfTenThousandRows", {"table=1..10000:1"}, 0, ""},
        EdgeCase{"DataFolderMissing",
                 {"--data-dir", "%DIR%/nowhere"},
                 2,
                 "the data folder \"%DIR%/nowhere\" does not exist"},
        EdgeCase{"ShortFile",
                 {"open=%DIR%/short.cf"},
                 0,
                 "This is not a complete calculation file: it ends after 21 of its 76 values."},
        EdgeCase{"BinaryFile",
                 {"open=%DIR%/picture.cf"},
                 0,
                 "This is not a calculation file: it holds binary data, not text."},
        EdgeCase{"LeftOutModel",
                 {"catalogue=%DIR%/ModelInfoLeftOut.ini"},
                 0,
                 "line 4: the model \"Upside\", column \"min43W\" (field 1) \"300\""}),
    [](const ::testing::TestParamInfo<EdgeCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace projcalc::cli_test
