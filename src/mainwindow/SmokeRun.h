#pragma once

// "facetwork --smoke FILE": the editor starts as usual, opens FILE, paints its window once
// and ends. It serves continuous integration and start-up timing.

#include <QStringList>
#include <iosfwd>
#include <optional>

namespace fw {

class MainWindow;
class Settings;

// Nothing when `args` (the program's arguments) ask for no smoke run. Otherwise runs it and
// returns the exit code: 0 when the file was opened and the window painted, with the time of
// that first frame written to `out`; 1 when not, with the reason written to `err`. No
// question or message box waits for an answer meanwhile.
std::optional<int> SmokeRun(const QStringList& args, MainWindow& window, const Settings& settings,
                            std::ostream& out, std::ostream& err);

}  // namespace fw
