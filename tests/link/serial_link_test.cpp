#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/failure.h"
#include "link/serial_link.h"

namespace kelvoria {
namespace {

// A pseudo-terminal whose other side the test reads, named to the link
// through KELVORIA_PORT1 as the panel's users do.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master_);
        unlockpt(master_);
        path_ = ptsname(master_);
        keep_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
    }
    ~PseudoTerminal() {
        close(keep_);
        close(master_);
    }
    const std::string& path() const { return path_; }
    std::vector<std::uint8_t> Read(std::size_t want) {
        std::vector<std::uint8_t> got;
        while (got.size() < want) {
            pollfd fd{master_, POLLIN, 0};
            if (poll(&fd, 1, 2000) <= 0) {
                break;
            }
            std::uint8_t buffer[64];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }
    termios Settings() const {
        termios t{};
        tcgetattr(keep_, &t);
        return t;
    }

private:
    int master_ = -1, keep_ = -1;
    std::string path_;
};

void OpenOn(SerialLink& link, const std::string& device) {
    setenv("KELVORIA_PORT1", device.c_str(), 1);
    link.SetSettings("9600,N,8,1");
    link.SetCommPort(1);
    link.SetPortOpen(true);
}

FailureCode OpenFailure(const std::string& device) {
    SerialLink link;
    try {
        OpenOn(link, device);
    } catch (const PanelFailure& failure) {
        EXPECT_FALSE(failure.description().empty());
        EXPECT_NE(failure.message().find(device), std::string::npos) << failure.message();
        return failure.code();
    }
    ADD_FAILURE() << device << " opened";
    return FailureCode::Internal;
}

TEST(SerialLink, SetsTheLineAndDeliversAllFourteenCodesInOrder) {
    PseudoTerminal pty;
    SerialLink link;
    OpenOn(link, pty.path());
    ASSERT_TRUE(link.PortOpen());

    const termios t = pty.Settings();
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_oflag & OPOST);  // raw: nothing added or translated
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));

    const std::vector<std::uint8_t> codes = {0x47, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85,
                                             0x87, 0x90, 0x91, 0x92, 0x93, 0x94, 0x95};
    for (std::uint8_t code : codes) {
        link.Output(code);
    }
    EXPECT_EQ(pty.Read(codes.size()), codes);
    link.SetPortOpen(false);
    EXPECT_FALSE(link.PortOpen());
}

TEST(SerialLink, RefusesMissingBusyAndNonSerialDevices) {
    const auto dir = std::filesystem::temp_directory_path() / "kelvoria-link-test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "not-a-port";
    { std::ofstream(file) << "keep me"; }

    EXPECT_EQ(OpenFailure((dir / "missing").string()), FailureCode::PortMissing);
    EXPECT_EQ(OpenFailure(file.string()), FailureCode::NotASerialLine);
    EXPECT_EQ(OpenFailure(dir.string()), FailureCode::NotASerialLine);
    std::ifstream back(file);
    std::string text((std::istreambuf_iterator<char>(back)), {});
    EXPECT_EQ(text, "keep me");

    PseudoTerminal pty;
    SerialLink first;
    OpenOn(first, pty.path());
    EXPECT_EQ(OpenFailure(pty.path()), FailureCode::PortInUse);
    first.Output(0x80);  // the first holder goes on undisturbed
    EXPECT_EQ(pty.Read(1), std::vector<std::uint8_t>{0x80});
    std::filesystem::remove_all(dir);
}

TEST(SerialLink, WriteAfterTheLineVanishesFails) {
    auto pty = std::make_unique<PseudoTerminal>();
    SerialLink link;
    OpenOn(link, pty->path());
    pty.reset();  // the other side goes, as an unplugged adapter does
    try {
        link.Output(0x80);
        link.Output(0x81);
        ADD_FAILURE() << "writes to a vanished line succeeded";
    } catch (const PanelFailure& failure) {
        EXPECT_EQ(failure.code(), FailureCode::WriteFailed) << failure.message();
    }
}

}  // namespace
}  // namespace kelvoria
