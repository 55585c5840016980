// A stand-in for the shutter controller: opens a pseudo-terminal, prints the
// device to give the panel as KELVORIA_PORT1, and reports every byte it gets.
// It never writes to the line.
//
//   kelvoria-controller-sim [--record FILE] [--path-file FILE]
//
// Ends on Ctrl-C, on SIGTERM, or at end of input when standard input is a terminal.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "link/command_codes.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

std::string Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03lld", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<long long>(ms));
    return text;
}

int Usage() {
    std::fprintf(stderr, "usage: kelvoria-controller-sim [--record FILE] [--path-file FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* record_path = nullptr;
    const char* path_file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--record" && i + 1 < argc) {
            record_path = argv[++i];
        } else if (arg == "--path-file" && i + 1 < argc) {
            path_file = argv[++i];
        } else {
            return Usage();
        }
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::fprintf(stderr, "kelvoria-controller-sim: no pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    const char* device = ptsname(master);
    // Holding the other side open keeps the line up between two panels.
    const int keep = open(device, O_RDWR | O_NOCTTY);
    if (keep < 0) {
        std::fprintf(stderr, "kelvoria-controller-sim: %s: %s\n", device, std::strerror(errno));
        return 1;
    }
    FILE* record = nullptr;
    if (record_path && !(record = std::fopen(record_path, "wb"))) {
        std::fprintf(stderr, "kelvoria-controller-sim: %s: %s\n", record_path,
                     std::strerror(errno));
        return 1;
    }
    if (path_file) {
        FILE* f = std::fopen(path_file, "w");
        if (!f) {
            std::fprintf(stderr, "kelvoria-controller-sim: %s: %s\n", path_file,
                         std::strerror(errno));
            return 1;
        }
        std::fprintf(f, "%s\n", device);
        std::fclose(f);
    }
    std::printf("controller on %s  (start the panel with KELVORIA_PORT1=%s)\n", device, device);
    std::fflush(stdout);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    const bool watch_input = isatty(STDIN_FILENO);
    std::array<bool, 6> open_now{};
    while (!g_stop) {
        pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int ready = poll(fds, watch_input ? 2 : 1, 500);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (watch_input && (fds[1].revents & (POLLIN | POLLHUP))) {
            char discard[64];
            if (read(STDIN_FILENO, discard, sizeof discard) <= 0) {
                break;  // end of input
            }
        }
        if (!(fds[0].revents & POLLIN)) {
            continue;
        }
        unsigned char bytes[256];
        const ssize_t got = read(master, bytes, sizeof bytes);
        if (got <= 0) {
            continue;
        }
        if (record) {
            std::fwrite(bytes, 1, static_cast<std::size_t>(got), record);
            std::fflush(record);
        }
        for (ssize_t i = 0; i < got; ++i) {
            const auto meaning = kelvoria::Decode(bytes[i]);
            if (meaning.kind == kelvoria::CommandMeaning::Kind::ShutterOpen ||
                meaning.kind == kelvoria::CommandMeaning::Kind::ShutterClose) {
                open_now[static_cast<std::size_t>(meaning.shutter - 1)] =
                    meaning.kind == kelvoria::CommandMeaning::Kind::ShutterOpen;
            }
            std::string shutters;
            for (std::size_t s = 0; s < open_now.size(); ++s) {
                shutters += std::to_string(s + 1) + (open_now[s] ? ":open " : ":shut ");
            }
            std::printf("%s  0x%02x  %-22s  %s\n", Now().c_str(), bytes[i],
                        kelvoria::DescribeByte(bytes[i]).c_str(), shutters.c_str());
        }
        std::fflush(stdout);
    }
    if (record) {
        std::fclose(record);
    }
    close(keep);
    close(master);
    std::printf("controller stopped\n");
    return 0;
}
