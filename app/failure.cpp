#include "app/failure.h"

namespace kelvoria {

const char* FailureText(FailureCode code) {
    switch (code) {
        case FailureCode::PortMissing:
            return "Serial port 1 does not exist";
        case FailureCode::PortInUse:
            return "Serial port 1 is in use by another program";
        case FailureCode::NotASerialLine:
            return "The device given for serial port 1 is not a serial line";
        case FailureCode::PortOpenFailed:
            return "Serial port 1 could not be opened";
        case FailureCode::PortSettingsRejected:
            return "Serial port 1 refused the line settings";
        case FailureCode::WriteFailed:
            return "A command could not be written to serial port 1";
        case FailureCode::CloseFailed:
            return "Serial port 1 could not be closed cleanly";
        case FailureCode::PortNotOpen:
            return "Serial port 1 is not open";
        case FailureCode::NotANumber:
            return "The exposure is not a number";
        case FailureCode::CodeOverflow:
            return "A command code is outside 0 to 255";
        case FailureCode::FloatingPointFault:
            return "A delay count left the range of numbers";
        case FailureCode::Internal:
            return "The panel met an error it did not expect";
    }
    return "Unknown failure";
}

namespace {
std::string Describe(FailureCode code, const std::string& detail) {
    std::string text = FailureText(code);
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text;
}
}  // namespace

PanelFailure::PanelFailure(FailureCode code, const std::string& detail)
    : std::runtime_error(Describe(code, detail)), code_(code) {}

std::string PanelFailure::message() const {
    return "Error " + std::to_string(number()) + ": " + description();
}

}  // namespace kelvoria
