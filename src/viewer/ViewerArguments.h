#pragma once

#include <string>
#include <vector>

#include "viewer/ViewerCamera.h"
#include "viewer/ViewerRenderer.h"

namespace fw {

extern const char* const VIEWER_USAGE;

// The viewer's command line. Three forms:
//   sbx LIVEFILE X Y W H WINDOWID   started by the editor (X Y W H are taken, not used);
//                                   listens for commands in LIVEFILE's folder
//   sbx FILE.pol                    stand-alone
//   sbx --render FILE.pol [--yaw DEG] [--pitch DEG] [--size WxH] --out FILE.png
// Every form takes --control DIR (listen at DIR/sbxctl); the window forms take --help.
struct ViewerArguments {
    bool Render = false;
    bool Help = false;
    std::string File;
    bool Linked = false;
    std::string WindowId;
    std::string ControlDirectory;  // "" when no control channel is wanted
    // Offscreen rendering.
    ViewAngles Angles;
    int Width = 800, Height = 600;
    std::string Out;
    RenderOptions Options;
    int TextureSet = 0;
};

// "" or what is wrong with the arguments (the words after the program name).
std::string ParseViewerArguments(const std::vector<std::string>& args, ViewerArguments& out);

// The control socket's full path, "" without a control directory.
std::string ControlSocketPath(const ViewerArguments& a);

}  // namespace fw
