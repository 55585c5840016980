#pragma once

#include <stdexcept>
#include <string>

namespace kelvoria {

// Every failure the panel can meet, each with a fixed number and a sentence
// the operator can read.
enum class FailureCode : int {
    PortMissing = 1001,
    PortInUse = 1002,
    NotASerialLine = 1003,
    PortOpenFailed = 1004,
    PortSettingsRejected = 1005,
    WriteFailed = 1006,
    CloseFailed = 1007,
    PortNotOpen = 1008,
    NotANumber = 2001,
    CodeOverflow = 2002,
    FloatingPointFault = 2003,
    Internal = 9000,
};

const char* FailureText(FailureCode code);

// Raised where a control or a conversion reports the failure, caught once at
// the boundary where the window calls the panel.
class PanelFailure : public std::runtime_error {
public:
    PanelFailure(FailureCode code, const std::string& detail);

    FailureCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }
    // The registered sentence, then what the system said about it.
    std::string description() const { return what(); }
    // "Error 1001: ..." as shown in the message box and on standard error.
    std::string message() const;

private:
    FailureCode code_;
};

}  // namespace kelvoria
