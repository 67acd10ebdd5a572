#include "mainwindow/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <string>

#include "config/Settings.h"

namespace fw {

namespace {

constexpr double FIRST_RUN_SHARE = 0.9;  // of the screen's width and height
// A stored window smaller than this, or showing less than this of itself on a screen (a
// screen since removed, a broken file), is placed afresh.
constexpr int MIN_WIDTH = 320, MIN_HEIGHT = 240;
constexpr int MIN_VISIBLE_WIDTH = 160, MIN_VISIBLE_HEIGHT = 60;

std::optional<int> ReadInt(const Settings& settings, const SettingKey& key) {
    std::string text = settings.Read(key);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

std::optional<QRect> StoredRect(const Settings& settings) {
    auto left = ReadInt(settings, setting::WindowLeft), top = ReadInt(settings, setting::WindowTop);
    auto width = ReadInt(settings, setting::WindowWidth);
    auto height = ReadInt(settings, setting::WindowHeight);
    if (!left || !top || !width || !height) return {};
    return QRect(*left, *top, *width, *height);
}

}  // namespace

QRect PlaceWindow(const std::optional<QRect>& stored, const QList<QRect>& screens, QRect primary) {
    if (stored && stored->width() >= MIN_WIDTH && stored->height() >= MIN_HEIGHT) {
        for (const QRect& screen : screens) {
            QRect seen = screen.intersected(*stored);
            if (seen.width() < MIN_VISIBLE_WIDTH || seen.height() < MIN_VISIBLE_HEIGHT) continue;
            QRect placed = *stored;
            placed.setSize(placed.size().boundedTo(screen.size()));
            return placed;
        }
    }
    QSize size(int(primary.width() * FIRST_RUN_SHARE), int(primary.height() * FIRST_RUN_SHARE));
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(primary.center());
    return placed;
}

void ShowPlaced(QWidget& window, const Settings& settings) {
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
    QScreen* primary = QGuiApplication::primaryScreen();
    QRect primaryRect = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    window.setGeometry(PlaceWindow(StoredRect(settings), screens, primaryRect));
    if (settings.ReadFlag(setting::WindowMaximized))
        window.showMaximized();
    else
        window.show();
}

std::string SaveWindowPlacement(const QWidget& window, const Settings& settings) {
    bool maximised = window.isMaximized();
    QRect r = maximised ? window.normalGeometry() : window.geometry();
    std::string error = settings.WriteFlag(setting::WindowMaximized, maximised);
    if (!r.isValid() || !error.empty()) return error;
    for (auto [key, value] : {std::pair{&setting::WindowLeft, r.x()}, {&setting::WindowTop, r.y()},
                              {&setting::WindowWidth, r.width()}, {&setting::WindowHeight, r.height()}})
        if (error = settings.WriteInt(*key, value); !error.empty()) return error;
    return {};
}

}  // namespace fw
