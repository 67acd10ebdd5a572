#pragma once

#include <string>

namespace fw {

// `text` with A..Z made a..z and every other byte as it is: file names, extensions and
// texture names compare without regard to case, whatever the locale.
inline std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace fw
