#pragma once

#include <optional>
#include <string>

namespace fw {

// The game's files are named in capitals on the original discs but usually in lower case
// once copied to this system, so game files are found whatever their case.

// The path of the file `name` directly inside `dir`, matched without regard to ASCII case;
// nothing when there is none.
std::optional<std::string> FindFileNoCase(const std::string& dir, const std::string& name);

// True when `dir` holds the game's texture file GROUPA.PIG (which only the commercial game
// with a medium or larger installation has).
bool HasGameTextureFile(const std::string& dir);

}  // namespace fw
