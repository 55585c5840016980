#include "bench/measure/pty_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace kelvoria::bench {

namespace {
[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

void MakeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        Fail("tcgetattr");
    }
    cfmakeraw(&t);
    cfsetspeed(&t, B9600);
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        Fail("tcsetattr");
    }
}
}  // namespace

PtyLine::PtyLine() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        Fail("no pseudo-terminal");
    }
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    device_ = ptsname(master_);
    keep_ = open(device_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keep_ < 0) {
        Fail(device_);
    }
    MakeRaw(keep_);
    MakeRaw(master_);
}

PtyLine::~PtyLine() {
    close(keep_);
    close(master_);
}

std::optional<PtyLine::Arrival> PtyLine::NextByte(Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fd{master_, POLLIN, 0};
        const int ready = poll(&fd, 1, int(std::max<long long>(0, left.count())));
        const auto at = Clock::now();
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            Fail("poll");
        }
        if (ready == 0) {
            return std::nullopt;
        }
        std::uint8_t byte = 0;
        const ssize_t got = read(master_, &byte, 1);
        if (got == 1) {
            return Arrival{byte, at};
        }
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            Fail("read " + device_);
        }
    }
}

int PtyLine::Drain() {
    int count = 0;
    std::uint8_t buffer[256];
    ssize_t got;
    while ((got = read(master_, buffer, sizeof buffer)) > 0) {
        count += int(got);
    }
    return count;
}

}  // namespace kelvoria::bench
