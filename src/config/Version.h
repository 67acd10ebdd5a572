#pragma once

#include <string>

namespace fw {

inline constexpr int VERSION_MAJOR = 0;
inline constexpr int VERSION_MINOR = 1;
inline constexpr int VERSION_BUILD = 1;

// "0.1 Beta 06 (Build 1)": the text of the splash and the About box.
inline std::string VersionText() {
    return std::to_string(VERSION_MAJOR) + "." + std::to_string(VERSION_MINOR) +
           " Beta 06 (Build " + std::to_string(VERSION_BUILD) + ")";
}

}  // namespace fw
