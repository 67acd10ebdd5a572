#pragma once

#include <QString>
#include <functional>
#include <string>

#include "config/Settings.h"
#include "model/Editor.h"

class QToolButton;
class QWidget;
class QLineEdit;

namespace fw {

// What the mode list and its tool strips need from the main window.
struct StripContext {
    Editor& editor;
    const Settings& settings;
    // Runs one command as an undo step named `name` and gives the focus back to the view.
    std::function<void(const std::string& name, const std::function<void()>& command)> run;
    // Gives the input focus back to the current view.
    std::function<void()> refocus;
    // True while the lists and boxes are being filled: change handlers must do nothing.
    std::function<bool()> refreshing;
};

// A small text tool button with its quick-help text; object name "<role><index>".
QToolButton* MakeStripButton(QWidget* parent, const QString& role, int index, const QString& text,
                             const QString& tooltip);
// A short edit box named `name`.
QLineEdit* MakeStripBox(QWidget* parent, const QString& name, const QString& text, int width = 64);
// Numbers as the lists and boxes show them: fixed decimals, "." whatever the locale.
QString FormatNumber(double value, int decimals);

}  // namespace fw
