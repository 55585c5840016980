// One window, one button; each click writes one byte to the device named by
// KELVORIA_PORT1 (9600 8N1), opened at start. Nothing else.

#include <QApplication>
#include <QPushButton>
#include <QSerialPort>
#include <QWidget>
#include <cstdio>

#include "bench/baseline/baseline_layout.h"

int main(int argc, char* argv[]) {
    using namespace kelvoria::baseline;
    QApplication app(argc, argv);

    QSerialPort port(qEnvironmentVariable("KELVORIA_PORT1"));
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "kelvoria-baseline: %s: %s\n", qPrintable(port.portName()),
                     qPrintable(port.errorString()));
        return 1;
    }

    QWidget window;
    window.setWindowTitle(kTitle);
    window.setFixedSize(kWidth, kHeight);
    QPushButton button("Send", &window);
    button.setGeometry(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    QObject::connect(&button, &QPushButton::clicked, &port, [&port] { port.write(&kByte, 1); });
    window.show();
    return app.exec();
}
