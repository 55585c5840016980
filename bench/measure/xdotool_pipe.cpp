#include "bench/measure/xdotool_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "bench/measure/process.h"

namespace kelvoria::bench {

namespace {
constexpr std::chrono::seconds kAnswerTimeout{5};
}

XdotoolPipe::XdotoolPipe() {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    SpawnSpec launch;
    launch.argv = {"xdotool", "-"};
    launch.stdin_fd = in[0];
    launch.stdout_fd = out[1];
    pid_ = Spawn(launch);
    close(in[0]);
    close(out[1]);
    to_ = in[1];
    from_ = out[0];
}

XdotoolPipe::~XdotoolPipe() {
    close(to_);  // end of its script
    close(from_);
    Stop(pid_);
}

Clock::time_point XdotoolPipe::Send(const std::string& commands) {
    const std::string line = commands + "\n";
    const auto at = Clock::now();
    if (write(to_, line.data(), line.size()) != ssize_t(line.size())) {
        throw std::runtime_error("xdotool does not take commands");
    }
    return at;
}

Clock::duration XdotoolPipe::RoundTrip() {
    const auto sent = Send("getmouselocation");
    char buffer[256];
    for (;;) {
        pollfd fd{from_, POLLIN, 0};
        if (poll(&fd, 1, int(std::chrono::milliseconds(kAnswerTimeout).count())) <= 0) {
            throw std::runtime_error("xdotool did not answer");
        }
        const auto at = Clock::now();
        const ssize_t got = read(from_, buffer, sizeof buffer);
        if (got <= 0) {
            throw std::runtime_error("xdotool ended");
        }
        if (std::memchr(buffer, '\n', size_t(got))) {
            return at - sent;
        }
    }
}

}  // namespace kelvoria::bench
