#pragma once

#include <string>

class QWidget;

namespace fw {

// Message boxes run through ExecModal (see ModalHook.h).

// A yes/no question with No as the default; true for Yes.
bool AskYesNoBox(QWidget* parent, const std::string& title, const std::string& text);
// A message with an OK button; `warning` picks the warning icon over the information one.
void ShowMessageBox(QWidget* parent, const std::string& title, const std::string& text,
                    bool warning = true);

}  // namespace fw
