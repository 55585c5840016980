#include "link/serial_link.h"

#include <QElapsedTimer>
#include <QStringList>
#include <chrono>
#include <cstring>

#include "app/failure.h"

#ifndef Q_OS_WIN
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace kelvoria {

namespace {
// Bytes still queued at close get this long to leave, so a stuck line
// cannot hang the exit.
constexpr std::chrono::milliseconds kDrainTimeout{2000};

std::string Text(const QString& s) {
    return s.toStdString();
}

[[noreturn]] void Fail(FailureCode code, const QString& device, const QString& why) {
    throw PanelFailure(code, Text(device + ": " + why));
}
}  // namespace

SerialLink::~SerialLink() {
    if (port_.isOpen()) {
        port_.close();
    }
}

QString SerialLink::DeviceFor(std::int16_t port) {
    const QString mapped = qEnvironmentVariable("KELVORIA_PORT1");
    if (port == 1 && !mapped.isEmpty()) {
        return mapped;
    }
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

void SerialLink::SetSettings(std::string_view settings) {
    // "baud,parity,data bits,stop bits", for instance "9600,N,8,1".
    const QStringList parts =
        QString::fromUtf8(settings.data(), qsizetype(settings.size())).split(',');
    bool baud_ok = false, bits_ok = false, stop_ok = false;
    const int baud = parts.value(0).toInt(&baud_ok);
    const int bits = parts.value(2).toInt(&bits_ok);
    const int stop = parts.value(3).toInt(&stop_ok);
    const QString parity = parts.value(1).toUpper();
    const bool parity_ok = parity == "N" || parity == "E" || parity == "O";
    if (parts.size() != 4 || !baud_ok || baud <= 0 || !bits_ok || bits < 5 || bits > 8 ||
        !stop_ok || (stop != 1 && stop != 2) || !parity_ok) {
        throw PanelFailure(FailureCode::PortSettingsRejected, std::string(settings));
    }
    port_.setBaudRate(baud);
    port_.setDataBits(static_cast<QSerialPort::DataBits>(bits));
    port_.setParity(parity == "N"   ? QSerialPort::NoParity
                    : parity == "E" ? QSerialPort::EvenParity
                                    : QSerialPort::OddParity);
    port_.setStopBits(stop == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void SerialLink::SetCommPort(std::int16_t port) {
    comm_port_ = port;
}

bool SerialLink::PortOpen() const {
    return port_.isOpen();
}

void SerialLink::SetPortOpen(bool open) {
    if (open && !port_.isOpen()) {
        Open();
    } else if (!open && port_.isOpen()) {
        Close();
    }
}

void SerialLink::Open() {
    device_ = DeviceFor(comm_port_);
#ifndef Q_OS_WIN
    // Refuse anything that is not a terminal device before touching it, so a
    // regular file or a folder given by mistake is never written to.
    struct stat info {};
    const QByteArray path = device_.toLocal8Bit();
    if (::stat(path.constData(), &info) != 0) {
        Fail(errno == ENOENT ? FailureCode::PortMissing : FailureCode::PortOpenFailed, device_,
             QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISCHR(info.st_mode)) {
        Fail(FailureCode::NotASerialLine, device_, "not a character device");
    }
#endif
    port_.setPortName(device_);
    if (!port_.open(QIODevice::WriteOnly)) {
        const auto error = port_.error();
        const FailureCode code =
            error == QSerialPort::DeviceNotFoundError         ? FailureCode::PortMissing
            : error == QSerialPort::PermissionError           ? FailureCode::PortInUse
            : error == QSerialPort::UnsupportedOperationError ? FailureCode::NotASerialLine
                                                              : FailureCode::PortOpenFailed;
        Fail(code, device_, port_.errorString());
    }
#ifndef Q_OS_WIN
    const int fd = static_cast<int>(port_.handle());
    if (!::isatty(fd)) {
        port_.close();
        Fail(FailureCode::NotASerialLine, device_, "not a terminal");
    }
    // An advisory lock holds even against root, which the kernel's exclusive
    // mode does not: a second panel on the same device is told it is in use.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        port_.close();
        Fail(FailureCode::PortInUse, device_, QString::fromLocal8Bit(std::strerror(why)));
    }
#endif
}

void SerialLink::Output(std::uint8_t byte) {
    if (!port_.isOpen()) {
        throw PanelFailure(FailureCode::PortNotOpen, Text(device_));
    }
    const char one = static_cast<char>(byte);
    // Handed to the system at once; flush never waits for the line.
    if (port_.write(&one, 1) != 1) {
        Fail(FailureCode::WriteFailed, device_, port_.errorString());
    }
    port_.flush();
    if (port_.error() != QSerialPort::NoError) {
        const QString why = port_.errorString();
        port_.clearError();
        Fail(FailureCode::WriteFailed, device_, why);
    }
}

void SerialLink::Close() {
    QElapsedTimer waited;
    waited.start();
    while (port_.bytesToWrite() > 0 && waited.elapsed() < kDrainTimeout.count()) {
        port_.waitForBytesWritten(static_cast<int>(kDrainTimeout.count() - waited.elapsed()));
    }
    const bool drained = port_.bytesToWrite() == 0;
    port_.close();
    if (!drained) {
        Fail(FailureCode::CloseFailed, device_, "bytes still queued after 2 s");
    }
}

}  // namespace kelvoria
