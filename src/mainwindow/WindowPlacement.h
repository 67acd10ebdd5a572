#pragma once

#include <string>

// The main window's size, place and maximised state, kept in the settings between runs.

#include <QList>
#include <QRect>
#include <optional>

class QWidget;

namespace fw {

class Settings;

// Where the window goes: the stored rectangle when enough of it lies on one of the screens
// (at most that screen's size), else centred on the primary screen filling most of it.
QRect PlaceWindow(const std::optional<QRect>& stored, const QList<QRect>& screens, QRect primary);

// Shows the window as it was when last closed; the first time, filling most of the screen.
void ShowPlaced(QWidget& window, const Settings& settings);
// Stores the window's rectangle (the one it returns to when maximised) and whether it is
// maximised. Returns why a setting could not be written, empty when all were.
std::string SaveWindowPlacement(const QWidget& window, const Settings& settings);

}  // namespace fw
