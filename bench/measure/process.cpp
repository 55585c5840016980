#include "bench/measure/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kelvoria::bench {

namespace {
std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Reap(pid_t pid, std::chrono::milliseconds within) {
    const auto until = std::chrono::steady_clock::now() + within;
    do {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < until);
    return false;
}
}  // namespace

pid_t Spawn(const SpawnSpec& launch) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool overridden = false;
        for (const auto& extra : launch.extra_env) {
            const auto name = extra.substr(0, extra.find('=') + 1);
            overridden = overridden || entry.rfind(name, 0) == 0;
        }
        if (!overridden) {
            env.push_back(entry);
        }
    }
    env.insert(env.end(), launch.extra_env.begin(), launch.extra_env.end());
    std::vector<char*> envp, argv;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args = launch.argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (launch.stdin_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, launch.stdin_fd, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    if (launch.stdout_fd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, launch.stdout_fd, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, launch.output.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, launch.output.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        throw std::runtime_error(launch.argv[0] + ": " + std::strerror(failed));
    }
    return pid;
}

int Run(const SpawnSpec& launch) {
    const pid_t pid = Spawn(launch);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    if (!Reap(pid, std::chrono::seconds(3))) {
        kill(pid, SIGKILL);
        Reap(pid, std::chrono::seconds(3));
    }
}

bool Running(pid_t pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

double CpuMs(pid_t pid) {
    // The command name may hold spaces and brackets: count fields from the last ')'.
    const std::string stat = Slurp("/proc/" + std::to_string(pid) + "/stat");
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int n = 3; rest >> field; ++n) {
        if (n == 14) {
            utime = std::stoull(field);
        } else if (n == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

long PeakRssKiB(pid_t pid) {
    std::istringstream status(Slurp("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    throw std::runtime_error("no VmHWM for process " + std::to_string(pid));
}

}  // namespace kelvoria::bench
