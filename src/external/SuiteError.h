#pragma once

#include <string>

namespace fw {

// One message of the suite's error dialog: a short code (stored, not shown), a title and
// the text.
struct SuiteError {
    std::string code, title, message;
    bool operator==(const SuiteError&) const = default;
};

// What the suite's start-up steps need from the user interface. The Qt layer implements it
// with the suite's dialogs; tests record the calls.
class SuiteUi {
public:
    virtual ~SuiteUi() = default;
    // The suite's error dialog, modal; returns when the user has closed it.
    virtual void ShowError(const SuiteError& error) = 0;
    // A yes/no question; true when the answer was yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    // Lets the user interface handle what is pending (keeps it alive while we wait).
    virtual void YieldEvents() = 0;
};

}  // namespace fw
