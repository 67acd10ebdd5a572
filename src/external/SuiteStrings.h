#pragma once

#include <array>
#include <string>
#include <string_view>

namespace fw {

// The suite's small string helpers, shared by every tool of the suite so that paths, ini
// values and displayed numbers look the same everywhere.

// Appends a separator to a path of 3 or more characters that does not already end in one:
// "/" when the path contains "//" (a URL-like path) or uses "/" and never "\" (a path of
// this system), "\" otherwise. Shorter paths (a drive name such as "C:") are returned
// unchanged.
std::string AddSlash(std::string_view path);

// False when the text, trimmed, is empty or "n/a".
bool HasContent(std::string_view text);

// Removes blanks (spaces and tabs) from both ends.
std::string TrimBlanks(std::string_view text);

// The characters after the first n; empty when the text is not longer than n.
std::string DropLeft(std::string_view text, size_t n);

// All but the last n characters; empty when the text is not longer than n.
std::string DropRight(std::string_view text, size_t n);

inline constexpr size_t MAX_FIELDS = 16;

// Splits at "," into at most 16 trimmed fields; the sixteenth keeps the rest of the text
// (commas included). Fields beyond the last one found are empty.
std::array<std::string, MAX_FIELDS> SplitFields(std::string_view text);

// Maps "a".."z" to "A".."Z" and leaves every other byte as it is (no locale involved).
std::string UpperCase(std::string_view text);

// "######0.00" and "######0.000": at least one digit before the point, always "." as the
// decimal point whatever the process locale.
std::string FormatNumber2(double value);
std::string FormatNumber3(double value);

}  // namespace fw
