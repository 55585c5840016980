#include "bench/measure/machine.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>

namespace kelvoria::bench {

Machine DescribeMachine() {
    Machine m;
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%SZ", &utc);
    m.date = date;

    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            m.cpu = line.substr(line.find_first_not_of(" \t", colon + 1));
            break;
        }
    }
    m.cores = unsigned(sysconf(_SC_NPROCESSORS_ONLN));
    utsname u{};
    if (uname(&u) == 0) {
        m.kernel = u.release;
    }
    return m;
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

}  // namespace kelvoria::bench
