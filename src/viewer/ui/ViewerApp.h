#pragma once

#include <iosfwd>
#include <memory>

#include "viewer/TextureSource.h"
#include "viewer/ViewerArguments.h"

namespace fw {

// The textures the viewer draws with. Placeholders until the game's textures are imported.
std::unique_ptr<TextureSource> MakeViewerTextures();

// --render: draws the file offscreen and writes a PNG (beside the target, then renamed).
// Returns 0, or 1 with the reason on `err`.
int RenderViewerPng(const ViewerArguments& args, std::ostream& out, std::ostream& err);

// The whole program: parses the command line, then renders or opens the window (and the
// control socket when asked for). Returns the exit code.
int RunViewer(int argc, char** argv);

}  // namespace fw
