#pragma once

#include <QSerialPort>
#include <QString>

#include "app/panel_ports.h"

namespace kelvoria {

// Serial port 1 over QSerialPort. The port named by KELVORIA_PORT1 stands in
// for port 1 when set; otherwise port n is COMn on Windows and /dev/ttyS(n-1)
// elsewhere. Opened for this process alone, written one byte at a time and
// never read.
class SerialLink : public SerialControl {
public:
    SerialLink() = default;
    ~SerialLink() override;

    void SetSettings(std::string_view settings) override;
    void SetCommPort(std::int16_t port) override;
    bool PortOpen() const override;
    void SetPortOpen(bool open) override;
    void Output(std::uint8_t byte) override;

    // The device that port n stands for on this host.
    static QString DeviceFor(std::int16_t port);

private:
    void Open();
    void Close();

    QSerialPort port_;
    std::int16_t comm_port_ = 1;
    QString device_;
};

}  // namespace kelvoria
