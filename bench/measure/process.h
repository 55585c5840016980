#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kelvoria::bench {

struct SpawnSpec {
    std::vector<std::string> argv;       // argv[0] is looked up in PATH
    std::vector<std::string> extra_env;  // NAME=value, over the driver's own
    std::string output = "/dev/null";    // stdout and stderr, appended
    int stdin_fd = -1, stdout_fd = -1;   // pipes to hand over instead, if set
};

pid_t Spawn(const SpawnSpec& launch);
// Spawns and waits for the end; returns the exit status.
int Run(const SpawnSpec& launch);
// SIGTERM, then SIGKILL if it has not ended within a few seconds.
void Stop(pid_t pid);
bool Running(pid_t pid);

// User plus system CPU time of every thread so far, in milliseconds.
double CpuMs(pid_t pid);
// Peak resident set (VmHWM), in kibibytes.
long PeakRssKiB(pid_t pid);

}  // namespace kelvoria::bench
