#pragma once

#include <string>

#include "external/PreviewCommandLine.h"
#include "viewer/ViewerCamera.h"
#include "viewer/ViewerModel.h"
#include "viewer/ViewerRenderer.h"

namespace fw {

// What the window must do after a command.
enum class SessionAction { None, Redraw, Quit };

// The viewer's state apart from its window: the file it shows, the last model it could
// read, the view and the display settings, and the meaning of every command code.
class ViewerSession {
public:
    static constexpr float TURN_STEP = 15;   // degrees per rotation command
    static constexpr float ZOOM_STEP = 1.1f; // zoom factor per wheel step

    void SetFile(std::string path) { path_ = std::move(path); }
    const std::string& File() const { return path_; }
    // Reads the file again. On failure the last good model stays and Message() tells why.
    bool Reload();
    bool HasModel() const { return hasModel_; }
    const ViewerModel& Model() const { return model_; }
    // The text the window shows over the picture: why the file could not be read, or that
    // the editor has a dialog open; "" when there is nothing to say.
    std::string Message() const;
    // The first stream fault of the model shown, "" when clean.
    std::string FaultSummary() const;

    SessionAction Apply(const PreviewCommandLine& command);

    ViewAngles& Angles() { return angles_; }
    const ViewAngles& Angles() const { return angles_; }
    void ResetView() { angles_ = ViewAngles{}; }
    void Turn(float yawDegrees, float pitchDegrees);
    void ZoomSteps(int steps);

    RenderOptions& Options() { return options_; }
    const RenderOptions& Options() const { return options_; }
    int TextureSet() const { return textureSet_; }
    bool Turntable() const { return turntable_; }
    bool DialogOpen() const { return dialogOpen_; }

private:
    std::string path_;
    ViewerModel model_;
    bool hasModel_ = false;
    std::string error_;
    ViewAngles angles_;
    RenderOptions options_;
    int textureSet_ = 0;
    bool turntable_ = false;
    bool dialogOpen_ = false;
    bool reloadAfterDialog_ = false;
};

}  // namespace fw
