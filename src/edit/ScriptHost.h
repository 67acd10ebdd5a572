#pragma once

#include <ostream>
#include <string>

#include "model/EditorHost.h"

namespace fw {

// The window of a batch run: every status message and every message box becomes one line
// of output, in the order they happen, and questions get a preset answer.
//   status KIND TEXT     (empty status texts, which only clear the line, are not written)
//   box TITLE: TEXT
//   box TITLE: TEXT -> yes|no   (a question and the answer given)
class ScriptHost : public EditorHost {
public:
    explicit ScriptHost(std::ostream& out) : out_(out) {}

    bool answer = true;  // reply to the questions that follow

    void ShowStatus(const std::string& text, int kind) override {
        if (!text.empty()) out_ << "status " << kind << ' ' << text << '\n';
    }
    void ShowMessage(const std::string& title, const std::string& text) override {
        out_ << "box " << title << ": " << text << '\n';
    }
    bool AskYesNo(const std::string& title, const std::string& text) override {
        out_ << "box " << title << ": " << text << " -> " << (answer ? "yes" : "no") << '\n';
        return answer;
    }
    void Refresh(const EditNotice&) override {}
    void SetSubmodelMenuState(const std::string&, const std::string&, bool) override {}

private:
    std::ostream& out_;
};

}  // namespace fw
