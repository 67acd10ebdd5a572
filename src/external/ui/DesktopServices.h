#pragma once

#include <functional>
#include <string>

class QWidget;

namespace fw {

// The suite library's services that need the window system.

// Asks the desktop to open a file or web address with its usual program; false when it
// could not. Tests replace the desktop through SetDocumentOpener.
bool OpenDocument(const std::string& pathOrAddress);
void SetDocumentOpener(std::function<bool(const std::string&)> opener);

// Lets the user interface handle pending events, 100 rounds.
void YieldEvents();

// Keeps a window above all others, or ends that, without moving or activating it.
void SetTopmost(QWidget* window, bool on);

// The suite's dialogs are laid out for "Tahoma". Where that face is missing, the closest
// installed sans-serif face stands in for it; a missing font never stops the program.
void EnsureSuiteFont();
// Gives a suite dialog the suite's face at the application's size.
void ApplySuiteFont(QWidget* window);

}  // namespace fw
