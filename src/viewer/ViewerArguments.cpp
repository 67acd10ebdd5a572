#include "viewer/ViewerArguments.h"

#include <charconv>
#include <cmath>
#include <filesystem>

#include "external/PreviewLink.h"

namespace fw {

const char* const VIEWER_USAGE =
    "usage: sbx FILE.pol [--control DIR]\n"
    "       sbx LIVEFILE X Y W H WINDOWID [--control DIR]\n"
    "       sbx --render FILE.pol [--yaw DEG] [--pitch DEG] [--size WxH] [--texture-set 0..5]\n"
    "           [--background 0..7] [--flat] [--lines] [--no-cull] --out FILE.png\n";

namespace {

bool ToInt(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ToFloat(const std::string& text, float& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

bool ToSize(const std::string& text, int& w, int& h) {
    size_t x = text.find_first_of("xX");
    return x != std::string::npos && ToInt(text.substr(0, x), w) && ToInt(text.substr(x + 1), h) &&
           w >= 1 && h >= 1 && w <= FrameBuffer::MAX_SIDE && h <= FrameBuffer::MAX_SIDE;
}

}  // namespace

std::string ParseViewerArguments(const std::vector<std::string>& args, ViewerArguments& out) {
    ViewerArguments a;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        std::string v;
        if (word == "--render") {
            a.Render = true;
        } else if (word == "--help" || word == "-h") {
            a.Help = true;
        } else if (word == "--flat") {
            a.Options.Textured = false;
        } else if (word == "--lines") {
            a.Options.Polygons = false;
        } else if (word == "--no-cull") {
            a.Options.Cull = false;
        } else if (word == "--yaw" || word == "--pitch") {
            float& angle = word == "--yaw" ? a.Angles.Yaw : a.Angles.Pitch;
            if (!value(v) || !ToFloat(v, angle)) return "Bad or missing angle after " + word + ".";
        } else if (word == "--size") {
            if (!value(v) || !ToSize(v, a.Width, a.Height))
                return "Bad size: use WxH, each 1 to " + std::to_string(FrameBuffer::MAX_SIDE) + ".";
        } else if (word == "--texture-set") {
            if (!value(v) || !ToInt(v, a.TextureSet) || a.TextureSet < 0 || a.TextureSet > 5)
                return "Bad texture set: use 0 to 5.";
        } else if (word == "--background") {
            if (!value(v) || !ToInt(v, a.Options.Background) || a.Options.Background < 0 ||
                a.Options.Background > 7)
                return "Bad background: use 0 to 7.";
        } else if (word == "--out" || word == "--control") {
            if (!value(word == "--out" ? a.Out : a.ControlDirectory) ||
                (word == "--out" ? a.Out : a.ControlDirectory).empty())
                return "Missing value after " + word + ".";
        } else if (word.starts_with("--")) {
            return "Unknown option " + word + ".";
        } else {
            positional.push_back(word);
        }
    }
    if (a.Help) {
        out = a;
        return "";
    }
    if (positional.size() == 6) {
        // The editor's launch line: LIVEFILE 0 0 1 1 WINDOWID.
        int unused = 0;
        for (int k = 1; k <= 4; ++k)
            if (!ToInt(positional[k], unused)) return "Bad launch line: expected four numbers after the file.";
        a.Linked = true;
        a.WindowId = positional[5];
        if (a.ControlDirectory.empty())
            a.ControlDirectory = std::filesystem::path(positional[0]).parent_path().string();
        if (a.ControlDirectory.empty()) a.ControlDirectory = ".";
    } else if (positional.size() != 1) {
        return positional.empty() ? "No model file given." : "Unexpected argument " + positional[1] + ".";
    }
    a.File = positional[0];
    if (a.Render && a.Out.empty()) return "--render needs --out FILE.png.";
    if (a.Render && a.Linked) return "--render takes one model file.";
    out = a;
    return "";
}

std::string ControlSocketPath(const ViewerArguments& a) {
    if (a.ControlDirectory.empty()) return "";
    return (std::filesystem::path(a.ControlDirectory) / PREVIEW_CONTROL_NAME).string();
}

}  // namespace fw
