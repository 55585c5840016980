#include "app/qt_host.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "app/failure.h"

namespace kelvoria {

void QtEventPump::PumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtLifecycle::ReportFailure(const PanelFailure& failure) {
    const std::string text = failure.message();
    std::fprintf(stderr, "Kelvoria Shutter Display: %s\n", text.c_str());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvoria Shutter Display"),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

void QtLifecycle::EndProgram(int status) {
    // Straight out, from however deep in nested yields: no handler resumes.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

}  // namespace kelvoria
