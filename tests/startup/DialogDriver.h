#pragma once

// Drives modal dialogs from a test: every dialog that opens is recorded (what kind, its
// title and text) and answered by the next action in the queue. A dialog that opens when
// no action is left fails the test and is cancelled.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "external/ui/CoblEMsg.h"
#include "external/ui/ModalHook.h"

namespace fw {

struct SeenDialog {
    std::string kind;   // "CoblEMsg", "QMessageBox" or the dialog's object name
    std::string title;  // the error's title for CoblEMsg, else the window title
    std::string text;   // the message
    std::string code;   // CoblEMsg only
    bool operator==(const SeenDialog&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const SeenDialog& d) {
    return out << "{" << d.kind << ", " << d.title << ", " << d.text << ", " << d.code << "}";
}

class DialogDriver {
public:
    using Action = std::function<void(QDialog&)>;

    DialogDriver()
        : hook_([this](QDialog& dialog) {
              seen.push_back(Describe(dialog));
              if (actions_.empty()) {
                  ADD_FAILURE() << "unexpected dialog " << seen.back();
                  dialog.reject();
                  return dialog.result();
              }
              Action action = std::move(actions_.front());
              actions_.pop_front();
              action(dialog);
              return dialog.result();
          }) {}

    void Then(Action action) { actions_.push_back(std::move(action)); }
    // Presses a message box's standard button, or the error dialog's OK.
    void ThenPress(QMessageBox::StandardButton button) {
        Then([button](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                ASSERT_NE(box->button(button), nullptr);
                box->button(button)->click();
            } else {
                d.accept();
            }
        });
    }
    void ThenOk() { ThenPress(QMessageBox::Ok); }
    size_t Pending() const { return actions_.size(); }

    static SeenDialog Describe(QDialog& dialog) {
        if (auto* error = qobject_cast<CoblEMsg*>(&dialog)) {
            // The error dialog shows its caption, " " + title and the message; not the code.
            EXPECT_EQ(error->windowTitle(), "Error");
            EXPECT_EQ(error->HeaderText().toStdString(), " " + error->Error().title);
            EXPECT_EQ(error->MessageText().toStdString(), error->Error().message);
            return {"CoblEMsg", error->Error().title, error->Error().message, error->Error().code};
        }
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            return {"QMessageBox", box->windowTitle().toStdString(), box->text().toStdString(), ""};
        return {dialog.objectName().toStdString(), dialog.windowTitle().toStdString(), "", ""};
    }

    std::vector<SeenDialog> seen;

private:
    std::deque<Action> actions_;
    ScopedModalHook hook_;
};

}  // namespace fw
