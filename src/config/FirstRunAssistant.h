#pragma once

#include <functional>
#include <optional>
#include <string>

#include "config/Settings.h"

namespace fw {

// The first-run assistant's logic: three screens, FCTWInit1 to FCTWInit3, walked with
// Next, Back and Abort. The screens (Qt) show it and call these operations; start-up loops
// while a screen is requested.
//   1: welcome.  2: the textured preview mode, which enables Next once chosen.
//   3: the game folder and the model folder; Next finishes.
class FirstRunAssistant {
public:
    // `gameDir` comes from the version registry, `suggestedModelDir` is offered when
    // descent.ini names no model folder.
    FirstRunAssistant(const Settings& settings, std::string gameDir, std::string suggestedModelDir);

    // Runs the texture import for the chosen game folder once the settings are complete.
    std::function<void(const std::string& gameDir)> importTextures;

    int Screen() const { return screen_; }  // 0 when the assistant is over
    bool Aborted() const { return aborted_; }
    bool Finished() const { return finished_; }

    void Start() { screen_ = 1; }
    // Screens 1 and 2; on screen 2 only after the preview mode was chosen.
    void Next();
    void Back();
    void Abort();

    // Screen 2: chooses preview mode 1 or 2 and writes it with the first grid and snap
    // indices. Returns an error text, "" on success.
    [[nodiscard]] std::string ChooseIsoMode(int mode);
    bool IsoModeChosen() const { return isoMode_ != 0; }
    bool NextEnabled() const { return screen_ != 2 || IsoModeChosen(); }

    // Screen 3's fields as they open.
    const std::string& GameDir() const { return gameDir_; }
    const std::string& ModelDir() const { return modelDir_; }

    // Screen 3's Next: checks the game folder, creates the model folder and writes the
    // settings. On failure the screen stays, showing the message with its title.
    struct Message {
        std::string title, text;
    };
    [[nodiscard]] std::optional<Message> Finish(const std::string& gameDir,
                                                const std::string& modelDir, int screenWidthTwips);

private:
    const Settings& settings_;
    std::string gameDir_, modelDir_;
    int screen_ = 0;
    int isoMode_ = 0;
    bool aborted_ = false;
    bool finished_ = false;
};

// The model folder offered when none is set: TWTOOLS/_MYDATA/ZPMF/ in the home folder,
// the suite's shared data folder on this system.
std::string DefaultModelDirectory();

inline constexpr const char* WRONG_GAME_FOLDER_MESSAGE =
    "Specified D2 directory does not exist or not contain Descent 2 Commercial with Medium or "
    "higher installation.";

}  // namespace fw
