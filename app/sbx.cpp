// sbx: the textured preview viewer. Draws a model file by running its interpreter stream as
// the game does; the editor drives it through a local socket (see docs/preview-commands.md).

#include "viewer/ui/ViewerApp.h"

int main(int argc, char* argv[]) {
    return fw::RunViewer(argc, argv);
}
