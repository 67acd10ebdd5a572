#pragma once

namespace fw {

// What the options dialog and the first-run assistant send to the textured preview viewer.
// The preview link implements it; until a link exists the calls go to NoPreview, which
// drops them (the settings themselves are stored by the callers).
class PreviewCommands {
public:
    virtual ~PreviewCommands() = default;
    // Background colour index 0..7 and texture set index 0..5 of the viewer.
    virtual void SetPreviewBackground(int index) = 0;
    virtual void SetPreviewTextureSet(int index) = 0;
    // One command line: a code and four arguments.
    virtual void SendPreviewCommand(int code, int a, int b, int c, int d) = 0;
    // The window's iso menu shows the viewer settings as check marks.
    virtual void UpdateMenuChecks() {}
};

class NoPreview : public PreviewCommands {
public:
    void SetPreviewBackground(int) override {}
    void SetPreviewTextureSet(int) override {}
    void SendPreviewCommand(int, int, int, int, int) override {}
};

}  // namespace fw
