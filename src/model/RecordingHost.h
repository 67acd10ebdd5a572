#pragma once

#include <string>
#include <vector>

#include "model/EditorHost.h"

namespace fw {

// An EditorHost that remembers everything it was told and answers questions from a preset
// reply. Used by the batch runner and by tests in place of the main window.
class RecordingHost : public EditorHost {
public:
    struct Status {
        std::string text;
        int kind;
    };
    struct Message {
        std::string title, text;
    };

    std::vector<Status> statuses;
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<int> refreshes;  // refresh kind of every notice
    std::vector<EditNotice> notices;
    std::string currentCaption, newCaption;
    bool newEnabled = true;
    bool answer = true;  // reply to every question

    void ShowStatus(const std::string& text, int kind) override {
        statuses.push_back({text, kind});
    }
    void ShowMessage(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    bool AskYesNo(const std::string& title, const std::string& text) override {
        questions.push_back({title, text});
        return answer;
    }
    void Refresh(const EditNotice& notice) override {
        refreshes.push_back(notice.refreshKind);
        notices.push_back(notice);
    }
    void SetSubmodelMenuState(const std::string& current, const std::string& added,
                              bool enabled) override {
        currentCaption = current;
        newCaption = added;
        newEnabled = enabled;
    }

    // The last status line text, or "" when nothing was shown.
    std::string LastStatus() const { return statuses.empty() ? "" : statuses.back().text; }
    int LastKind() const { return statuses.empty() ? 0 : statuses.back().kind; }
    void Clear() {
        statuses.clear();
        messages.clear();
        questions.clear();
        refreshes.clear();
        notices.clear();
    }
};

}  // namespace fw
