#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "modelfile/ToolCommands.h"

namespace fw {

// The "textures" command of facetwork-tool.
std::span<const ToolCommand> TextureToolCommands();

// textures import GAMEDIR: makes the per-user catalogue from the game's files.
// textures list [--lst FILE]: one line SLOT 'NAME' per filled slot 1..599, of the catalogue
//   in use or of FILE.
// textures thumbnail ID OUT.dib: writes the 5160-byte picture with that id from the
//   catalogue in use.
int RunTextures(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fw
