#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Command codes the editor sends to the textured preview viewer.
namespace preview {
inline constexpr int QUIT = 101;
inline constexpr int RESET_VIEW = 106;
inline constexpr int LINE_POLY = 111;
inline constexpr int TURN_LEFT = 113, TURN_RIGHT = 114, TURN_UP = 115, TURN_DOWN = 116;
inline constexpr int SIZE_TO_POLYGON = 117;
inline constexpr int CULL_FACE = 118;
inline constexpr int COLOURING = 119;
inline constexpr int RELOAD = 127;
inline constexpr int BACKGROUND_RED = 129, BACKGROUND_GREEN = 130, BACKGROUND_BLUE = 131;
inline constexpr int DIALOG = 500;
inline constexpr int NAVIGATE = 501;
inline constexpr int TURNTABLE = 502;
// Texture sets 0..5: GroupA, Water, Fire, Ice, Alien1, Alien2.
inline constexpr int TEXTURE_SET_COUNT = 6;
inline constexpr int TEXTURE_SET_CODES[TEXTURE_SET_COUNT] = {112, 121, 108, 120, 104, 107};
}  // namespace preview

// The texture set a code selects, -1 when it is no texture-set code.
int TextureSetOfCode(int code);

// One command: a code and four arguments.
struct PreviewCommandLine {
    int Code = 0, A = 0, B = 0, C = 0, D = 0;
    bool operator==(const PreviewCommandLine&) const = default;
};

// "code a b c d": plain decimals, single blanks, no line end.
std::string FormatPreviewCommand(const PreviewCommandLine& command);

// Reads one line as the viewer receives it: five integers that fit 32 bits, separated by
// blanks or tabs, an optional "\r" at the end. Anything else gives nothing.
std::optional<PreviewCommandLine> ParsePreviewCommand(std::string_view line);

// Cuts a byte stream into lines. A line longer than MAX_LINE is dropped whole, so a
// misbehaving sender cannot make the receiver hold unbounded text.
class PreviewLineBuffer {
public:
    static constexpr size_t MAX_LINE = 256;

    // Adds received bytes; `onLine` gets every line completed by them, without its "\n".
    template <typename OnLine>
    void Feed(std::string_view bytes, OnLine&& onLine) {
        for (char c : bytes) {
            if (c == '\n') {
                if (!overlong_) onLine(std::string_view(pending_));
                pending_.clear();
                overlong_ = false;
            } else if (!overlong_) {
                if (pending_.size() < MAX_LINE)
                    pending_.push_back(c);
                else
                    overlong_ = true, pending_.clear();
            }
        }
    }

private:
    std::string pending_;
    bool overlong_ = false;
};

}  // namespace fw
