#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The text of one ini file, kept line by line so that a change touches only the value it
// sets. The files are shared with the game and the other tools of the suite, whose users
// edit them by hand: spacing, comments, blank lines, unknown sections and CRLF line ends
// must survive our writes byte for byte. (A general ini library re-emits the whole file in
// its own layout, which is why this small layer exists.)
//
// Matching follows the Windows profile functions: section and key names compare without
// regard to ASCII case, blanks around names and values are ignored, the first matching
// section and key win, lines starting with ";" or "#" are comments.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The value of the key, or nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets the value: an existing key keeps its line's spelling and spacing up to the
    // value; a missing key is added after the last entry of its section; a missing section
    // is appended at the end. Returns an error text for names or values that cannot be
    // stored in an ini line (line breaks, "=" in a key, "]" in a section), "" on success.
    std::string Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file text, unchanged lines exactly as they were read.
    std::string Text() const;

private:
    struct Line {
        std::string body;    // without the line end
        std::string ending;  // "\r\n", "\n" or "" for a last line without one
    };
    struct Found {
        size_t header = 0;     // line of the section header
        size_t lastEntry = 0;  // last key line of the section (the header when none)
        std::optional<size_t> key;
    };

    std::optional<Found> Find(std::string_view section, std::string_view key) const;
    std::string NewLineEnding() const;

    std::vector<Line> lines_;
};

}  // namespace fw
