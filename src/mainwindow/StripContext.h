#pragma once

#include <QString>
#include <functional>
#include <string>

#include "config/Settings.h"
#include "edit/CommandTable.h"
#include "model/Editor.h"

class QToolButton;
class QWidget;
class QLineEdit;

namespace fw {

// What the mode list and its tool strips need from the main window.
struct StripContext {
    Editor& editor;
    const Settings& settings;
    // Runs the command `id` of the command table with `args` and gives the focus back to
    // the view.
    std::function<void(std::string_view id, std::vector<ArgValue> args)> run;
    // Gives the input focus back to the current view.
    std::function<void()> refocus;
    // True while the lists and boxes are being filled: change handlers must do nothing.
    std::function<bool()> refreshing;
};

// A small text tool button with its quick-help text; object name "<role><index>".
QToolButton* MakeStripButton(QWidget* parent, const QString& role, int index, const QString& text,
                             const QString& tooltip);
// Clicking `button` runs the command `id` with `args`; the button keeps the id as its
// "commandId", as menu entries do.
void ConnectCommand(QToolButton* button, StripContext& ctx, const char* id,
                    std::vector<ArgValue> args = {});
// A short edit box named `name`.
QLineEdit* MakeStripBox(QWidget* parent, const QString& name, const QString& text, int width = 64);
// Numbers as the lists and boxes show them: fixed decimals, "." whatever the locale.
QString FormatNumber(double value, int decimals);
// Command arguments for a whole number and for a number typed into a box.
ArgValue IntArg(int value);
ArgValue NumberArg(double value);

}  // namespace fw
