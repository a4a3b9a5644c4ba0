#include "tests/e2e/Process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace e2e {
namespace {

using namespace std::chrono_literals;

// How often a wait looks at the child again.
constexpr auto PollInterval = 20ms;

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

int ExitStatusOf(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + WTERMSIG(status);
}

} // namespace

Environment EnvironmentWith(const Environment& changes) {
    Environment environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const size_t equals = text.find('=');
        if (equals != std::string::npos) {
            environment[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value.empty()) {
            environment.erase(name);
        } else {
            environment[name] = value;
        }
    }
    return environment;
}

Process::Process(const std::vector<std::string>& argv, const Environment& environment,
                 const std::string& logFile, const std::string& workFolder) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> variables;
    for (const auto& [name, value] : environment) {
        variables.push_back(name + "=" + value);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (!logFile.empty()) {
        const int flags = O_WRONLY | O_CREAT | O_APPEND;
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.c_str(), flags, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    if (!workFolder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workFolder.c_str());
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const int error = posix_spawnp(&pid_, arguments[0].c_str(), &actions, &attributes,
                                   PointersTo(arguments).data(), PointersTo(variables).data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
    }
}

Process::~Process() {
    Stop();
}

std::optional<int> Process::Wait(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!status_) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            status_ = ExitStatusOf(status);
        } else if (done < 0 && errno != EINTR) {
            status_ = -1;
        } else if (std::chrono::steady_clock::now() >= end) {
            break;
        } else {
            std::this_thread::sleep_for(PollInterval);
        }
    }
    return status_;
}

bool Process::Running() {
    return !Wait(0ms);
}

void Process::Stop(std::chrono::milliseconds grace) {
    if (!Running()) {
        return;
    }
    kill(-pid_, SIGTERM);
    if (!Wait(grace)) {
        kill(-pid_, SIGKILL);
        Wait(grace);
    }
}

int RunToEnd(const std::vector<std::string>& argv, const Environment& environment,
             std::chrono::milliseconds limit, const std::string& logFile) {
    Process process(argv, environment, logFile);
    if (const std::optional<int> status = process.Wait(limit)) {
        return *status;
    }
    throw std::runtime_error(argv[0] + " did not finish in time");
}

} // namespace e2e
