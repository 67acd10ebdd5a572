#include "external/PreviewCommandLine.h"

#include <charconv>

namespace fw {

int TextureSetOfCode(int code) {
    for (int set = 0; set < preview::TEXTURE_SET_COUNT; ++set)
        if (preview::TEXTURE_SET_CODES[set] == code) return set;
    return -1;
}

std::string FormatPreviewCommand(const PreviewCommandLine& c) {
    return std::to_string(c.Code) + " " + std::to_string(c.A) + " " + std::to_string(c.B) + " " +
           std::to_string(c.C) + " " + std::to_string(c.D);
}

std::optional<PreviewCommandLine> ParsePreviewCommand(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    int values[5] = {};
    size_t pos = 0;
    auto blank = [&](size_t at) { return at < line.size() && (line[at] == ' ' || line[at] == '\t'); };
    for (int& value : values) {
        while (blank(pos)) ++pos;
        const char* first = line.data() + pos;
        const char* last = line.data() + line.size();
        auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end == first) return std::nullopt;
        pos = static_cast<size_t>(end - line.data());
        if (pos < line.size() && !blank(pos)) return std::nullopt;  // "12x" or "1-2"
    }
    while (blank(pos)) ++pos;
    if (pos != line.size()) return std::nullopt;
    return PreviewCommandLine{values[0], values[1], values[2], values[3], values[4]};
}

}  // namespace fw
