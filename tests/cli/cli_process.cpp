#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "test_support.h"

#ifndef PROJCALC_CLI
#error "PROJCALC_CLI must name the built projcalc-cli"
#endif

namespace projcalc::cli_test {
namespace {

std::vector<char*> cStrings(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// posix_spawn file actions that release themselves.
class FileActions {
  public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    void redirect(int fd, const std::string& path) {
        posix_spawn_file_actions_addopen(&actions_, fd, path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    }
    [[nodiscard]] const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_{};
};

}  // namespace

const char* cliPath() noexcept {
    const char* chosen = std::getenv("PROJCALC_CLI");
    return chosen != nullptr && *chosen != '\0' ? chosen : PROJCALC_CLI;
}

const std::string& cliRunner() noexcept {
    static const std::string runner = [] {
        const char* chosen = std::getenv("PROJCALC_CLI_RUNNER");
        return std::string(chosen != nullptr ? chosen : "");
    }();
    return runner;
}

std::vector<std::string> cliCommand() {
    std::vector<std::string> command;
    if (!cliRunner().empty()) command.push_back(cliRunner());
    command.emplace_back(cliPath());
    return command;
}

CliResult runCliCopy(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
    if (cliRunner().empty()) return runProgram(program, args, environment);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    return runProgram(cliRunner(), all, environment);
}

CliResult runCli(const std::vector<std::string>& args,
                 const std::vector<std::string>& environment) {
    return runCliCopy(cliPath(), args, environment);
}

CliResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
    const TempDir capture;
    const std::string outPath = (capture.path() / "stdout").string();
    const std::string errPath = (capture.path() / "stderr").string();
    FileActions actions;
    actions.redirect(1, outPath);
    actions.redirect(2, errPath);

    std::vector<std::string> argvTexts = {program};
    argvTexts.insert(argvTexts.end(), args.begin(), args.end());
    std::vector<std::string> envTexts = environment;
    const std::vector<char*> argv = cStrings(argvTexts);
    const std::vector<char*> envp = cStrings(envTexts);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), envp.data());
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawned));
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    }

    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = capture.read("stdout");
    result.err = capture.read("stderr");
    return result;
}

}  // namespace projcalc::cli_test
