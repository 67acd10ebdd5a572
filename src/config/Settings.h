#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// The four initialisation files the editor reads and writes.
inline constexpr std::string_view FACETWORK_INI = "fctwrk32.ini";  // the editor's own
inline constexpr std::string_view DESCENT_INI = "descent.ini";     // shared with the game tools
inline constexpr std::string_view COBL_INI = "cobl.ini";           // the suite's
inline constexpr std::string_view SBX_INI = "sbx.ini";             // the preview viewer's

// One setting: where it lives and the value the first-run assistant writes ("" for none).
struct SettingKey {
    std::string_view file, section, key, firstRun;
};

// The same setting: one file, section and key names compared without regard to case, as
// the files are read.
bool SameSetting(const SettingKey& a, const SettingKey& b);

namespace setting {
inline constexpr SettingKey Configured{FACETWORK_INI, "General", "Configured", "3"};
inline constexpr SettingKey IsoMode{FACETWORK_INI, "Display", "IsoMode", "2"};
inline constexpr SettingKey SplitterH{FACETWORK_INI, "Display", "splitterh", ""};
inline constexpr SettingKey SplitterV{FACETWORK_INI, "Display", "splitterv", ""};
inline constexpr SettingKey AlignPosition{FACETWORK_INI, "Display", "AlignPosition", ""};
// The main window's place on the screen in pixels, and "1" when it is maximised.
inline constexpr SettingKey WindowLeft{FACETWORK_INI, "Display", "WindowLeft", ""};
inline constexpr SettingKey WindowTop{FACETWORK_INI, "Display", "WindowTop", ""};
inline constexpr SettingKey WindowWidth{FACETWORK_INI, "Display", "WindowWidth", ""};
inline constexpr SettingKey WindowHeight{FACETWORK_INI, "Display", "WindowHeight", ""};
inline constexpr SettingKey WindowMaximized{FACETWORK_INI, "Display", "WindowMaximized", ""};
inline constexpr std::array<SettingKey, 3> Grid{{
    {FACETWORK_INI, "Grid and Snap", "XYGrid", "6"},
    {FACETWORK_INI, "Grid and Snap", "XZGrid", "6"},
    {FACETWORK_INI, "Grid and Snap", "ZYGrid", "6"},
}};
inline constexpr std::array<SettingKey, 3> Snap{{
    {FACETWORK_INI, "Grid and Snap", "XYSnap", "4"},
    {FACETWORK_INI, "Grid and Snap", "XZSnap", "4"},
    {FACETWORK_INI, "Grid and Snap", "ZYSnap", "4"},
}};
inline constexpr SettingKey MoveRate{FACETWORK_INI, "Options", "MoveRate", ""};
inline constexpr SettingKey PmoveMode{FACETWORK_INI, "Options", "PmoveMode", ""};
inline constexpr SettingKey ViewOrient{FACETWORK_INI, "Options", "ViewOrient", ""};
inline constexpr SettingKey CrossMarked{FACETWORK_INI, "Options", "CrossMarked", ""};
inline constexpr SettingKey InterfaceMode{FACETWORK_INI, "Interface", "InterfaceMode", ""};
// Views scale their drawing to fill their panes instead of keeping one scale in all.
inline constexpr SettingKey StretchViews{FACETWORK_INI, "Interface", "StretchViews", ""};
// Ctrl+Z undoes and Ctrl+Shift+Z redoes; the mirrored pastes of Y and Z take Ctrl+Alt.
inline constexpr SettingKey StandardUndoKeys{FACETWORK_INI, "Interface", "StandardUndoKeys", ""};

inline constexpr SettingKey ModelDirectory{DESCENT_INI, "Directories", "ZPMF", ""};
inline constexpr SettingKey Shadebox{DESCENT_INI, "DTools", "Shadebox", ""};

inline constexpr SettingKey PigDir{SBX_INI, "sbx", "PigDir", ""};
inline constexpr SettingKey UsePig{SBX_INI, "sbx", "UsePig", "4"};

inline constexpr SettingKey SbxConfigured{COBL_INI, "SBX", "Configured", ""};
inline constexpr SettingKey SbxCullFace{COBL_INI, "SBX", "CullFace", ""};
inline constexpr SettingKey SbxColor{COBL_INI, "SBX", "Color", ""};
inline constexpr SettingKey SbxSize2Poly{COBL_INI, "SBX", "Size2Poly", ""};
inline constexpr SettingKey SbxLinePoly{COBL_INI, "SBX", "Line/Poly", ""};
inline constexpr SettingKey SbxBackground{COBL_INI, "SBX", "BKColor", ""};
inline constexpr SettingKey SbxTextureSet{COBL_INI, "SBX", "TextureSet", ""};
inline constexpr SettingKey ManualDirectory{COBL_INI, "Moduls_Dirs", "FCTWMAN32", ""};
inline constexpr SettingKey ManualProgram{COBL_INI, "Moduls_EXEs", "FCTWMAN32", ""};
}  // namespace setting

// Steps of the move tools, chosen by the move-rate slider (index 0..9).
struct MoveRateStep {
    std::string_view text;
    double value;
};
inline constexpr std::array<MoveRateStep, 10> MoveRateTable{{
    {"0.001", 0.001},
    {"0.002", 0.002},
    {"0.005", 0.005},
    {"0.01", 0.01},
    {"0.02", 0.02},
    {"0.05", 0.05},
    {"0.1", 0.1},
    {"0.2", 0.2},
    {"0.5", 0.5},
    {"1", 1.0},
}};
inline constexpr int DEFAULT_MOVE_RATE_INDEX = 6;
inline constexpr int DEFAULT_GRID_INDEX = 6;
inline constexpr int DEFAULT_SNAP_INDEX = 4;
inline constexpr int MIN_SPLITTER_H = 2275;
inline constexpr int MAX_SPLITTER_V = 7400;

// The editor's persistent settings over the four files. Every value is read from its file
// when asked for, so a change made by another tool of the suite is seen at once. Writers
// return an error text that names the system's reason, "" on success; after a successful
// write the listeners hear which setting changed, so that windows and views apply it.
class Settings {
public:
    using Listener = std::function<void(const SettingKey& changed)>;

    // All four files in the per-user configuration directory.
    Settings();
    // All four files in `directory` (tests, portable installs).
    explicit Settings(std::string directory);
    // A copy reads and writes the same files but has no listeners of its own.
    Settings(const Settings& other);
    Settings& operator=(const Settings& other);

private:
    struct Listeners {
        std::vector<std::pair<int, Listener>> entries;
        int next = 1;
    };

public:
    // Ends a subscription when it goes; harmless when the settings went first.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(std::weak_ptr<Listeners> listeners, int id)
            : listeners_(std::move(listeners)), id_(id) {}
        Subscription(Subscription&& other) noexcept { *this = std::move(other); }
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription() { Reset(); }
        void Reset();

    private:
        std::weak_ptr<Listeners> listeners_;
        int id_ = 0;
    };
    // Listening does not change the settings, so a const reference may subscribe.
    [[nodiscard]] Subscription Subscribe(Listener listener) const;

    // $XDG_CONFIG_HOME/facetwork, else $HOME/.config/facetwork.
    static std::string DefaultDirectory();
    // Start-up may place a file elsewhere (the game's descent.ini, the viewer's sbx.ini).
    void SetFileDirectory(std::string_view file, std::string directory);
    std::string FileDirectory(std::string_view file) const;

    // Raw text access; a missing file or key reads as "".
    std::string Read(const SettingKey& key) const;
    [[nodiscard]] std::string Write(const SettingKey& key, std::string_view value) const;
    // Numeric text read leniently (non-numeric and empty read as 0); a flag is on at "1".
    double ReadValue(const SettingKey& key) const;
    bool ReadFlag(const SettingKey& key) const;
    [[nodiscard]] std::string WriteFlag(const SettingKey& key, bool on) const;
    [[nodiscard]] std::string WriteInt(const SettingKey& key, int value) const;

    int Configured() const;
    int IsoMode() const;
    // Grid and snap indices of view 0 XY, 1 XZ, 2 ZY, always within 0..9; a missing
    // value gives the first-run index (6 and 4).
    int GridIndex(int view) const;
    int SnapIndex(int view) const;
    [[nodiscard]] std::string SetGridIndex(int view, int index) const;
    [[nodiscard]] std::string SetSnapIndex(int view, int index) const;
    // Splitter positions in twips: splitterh at least 2275, splitterv at most 7400.
    int SplitterH() const;
    int SplitterV() const;
    // Move-rate slider index, 6 when unset, within 0..9; the step in model units.
    int MoveRateIndex() const;
    double MoveRateValue() const { return MoveRateTable[MoveRateIndex()].value; }
    [[nodiscard]] std::string SetMoveRateIndex(int index) const;
    bool PmoveMode() const { return ReadFlag(setting::PmoveMode); }
    bool ViewOrient() const { return ReadFlag(setting::ViewOrient); }
    bool CrossMarked() const { return ReadFlag(setting::CrossMarked); }
    bool FourViewLayout() const { return ReadFlag(setting::InterfaceMode); }
    bool StretchViews() const { return ReadFlag(setting::StretchViews); }
    bool StandardUndoKeys() const { return ReadFlag(setting::StandardUndoKeys); }
    std::string ModelDirectory() const { return Read(setting::ModelDirectory); }

    // The values a fresh installation gets: Configured, IsoMode, grid and snap indices and
    // the splitter pair for the screen width in twips.
    [[nodiscard]] std::string WriteFirstRunValues(int screenWidthTwips) const;

private:
    void Notify(const SettingKey& key) const;

    std::string directory_;
    std::map<std::string, std::string, std::less<>> fileDirectories_;
    // Observers are not part of the settings' value: a const reference may subscribe.
    std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
};

// The splitter pair (splitterh, splitterv) the first run writes for a screen width in twips.
std::pair<std::string_view, std::string_view> SplitterPairForScreenWidth(int widthTwips);

}  // namespace fw
