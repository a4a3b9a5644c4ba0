// A child process of the end-to-end tests (Xvfb, Wine and the programs it
// runs): started with its own environment, its output in a file, waited for
// with a time limit and ended with its process group when the owner goes.
//
// Error policy of the e2e harness: what the harness cannot do (start a
// process, reach the display, find a window in time) throws
// std::runtime_error naming it; the journeys turn that into a failed test.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

using Environment = std::map<std::string, std::string>;

// This process's environment with `changes` applied (an empty value unsets).
Environment EnvironmentWith(const Environment& changes);

class Process {
public:
    // Starts `argv` in a process group of its own, standard output and error
    // appended to `logFile` (none: inherited), in `workFolder` (none: ours).
    Process(const std::vector<std::string>& argv, const Environment& environment,
            const std::string& logFile = {}, const std::string& workFolder = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t Id() const { return pid_; }

    // The exit status once the process has ended within `limit`, or nothing.
    std::optional<int> Wait(std::chrono::milliseconds limit);
    bool Running();
    // SIGTERM to the group, then SIGKILL after `grace`.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Runs `argv` to its end (at most `limit`) and returns its exit status; a
// process still running then is killed and reported as an error.
int RunToEnd(const std::vector<std::string>& argv, const Environment& environment,
             std::chrono::milliseconds limit, const std::string& logFile = {});

} // namespace e2e
