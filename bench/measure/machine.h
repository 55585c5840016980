#pragma once

#include <string>

namespace kelvoria::bench {

struct Machine {
    std::string date;    // UTC, ISO 8601
    std::string cpu;     // model name from /proc/cpuinfo
    unsigned cores = 0;  // online
    std::string kernel;  // release
};

Machine DescribeMachine();
// The 1, 5 and 15 minute load averages, as /proc/loadavg gives them.
std::string LoadAverage();

}  // namespace kelvoria::bench
