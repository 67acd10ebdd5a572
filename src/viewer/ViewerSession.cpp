#include "viewer/ViewerSession.h"

#include <algorithm>
#include <cmath>

namespace fw {

bool ViewerSession::Reload() {
    error_ = ReadViewerModelFile(path_, model_);
    if (error_.empty()) hasModel_ = true;
    return error_.empty();
}

std::string ViewerSession::Message() const {
    std::string text;
    if (!error_.empty())
        text = "Cannot show " + path_ + ": " + error_ + (hasModel_ ? " (showing the last good model)" : "");
    if (dialogOpen_) text += (text.empty() ? "" : "\n") + std::string("Editor dialog open");
    return text;
}

std::string ViewerSession::FaultSummary() const {
    const auto& faults = model_.Faults;
    if (!hasModel_ || faults.empty()) return "";
    std::string text = faults.front();
    if (faults.size() > 1) text += " (and " + std::to_string(faults.size() - 1) + " more)";
    return text;
}

void ViewerSession::Turn(float yawDegrees, float pitchDegrees) {
    angles_.Yaw += yawDegrees;
    angles_.Pitch += pitchDegrees;
    NormalizeAngles(angles_);
}

void ViewerSession::ZoomSteps(int steps) {
    steps = std::clamp(steps, -100, 100);
    angles_.Zoom *= std::pow(ZOOM_STEP, static_cast<float>(steps));
    NormalizeAngles(angles_);
}

SessionAction ViewerSession::Apply(const PreviewCommandLine& c) {
    using namespace preview;
    if (int set = TextureSetOfCode(c.Code); set >= 0) {
        textureSet_ = set;
        return SessionAction::Redraw;
    }
    switch (c.Code) {
        case QUIT:
            return SessionAction::Quit;
        case RELOAD:
            if (dialogOpen_) {
                reloadAfterDialog_ = true;
                return SessionAction::None;
            }
            Reload();
            return SessionAction::Redraw;
        case RESET_VIEW:
            ResetView();
            return SessionAction::Redraw;
        case LINE_POLY:
            options_.Polygons = c.B != 0;
            return SessionAction::Redraw;
        case SIZE_TO_POLYGON:
            options_.SizeToPolygons = c.B != 0;
            return SessionAction::Redraw;
        case CULL_FACE:
            options_.Cull = c.B != 0;
            return SessionAction::Redraw;
        case COLOURING:
            options_.Textured = c.B != 0;
            return SessionAction::Redraw;
        case TURN_LEFT:
            Turn(-TURN_STEP, 0);
            return SessionAction::Redraw;
        case TURN_RIGHT:
            Turn(TURN_STEP, 0);
            return SessionAction::Redraw;
        case TURN_UP:
            Turn(0, TURN_STEP);
            return SessionAction::Redraw;
        case TURN_DOWN:
            Turn(0, -TURN_STEP);
            return SessionAction::Redraw;
        case BACKGROUND_RED:
        case BACKGROUND_GREEN:
        case BACKGROUND_BLUE: {
            int bit = 1 << (BACKGROUND_BLUE - c.Code);
            options_.Background = c.B != 0 ? options_.Background | bit : options_.Background & ~bit;
            return SessionAction::Redraw;
        }
        case DIALOG:
            dialogOpen_ = c.B == 0;
            if (!dialogOpen_ && reloadAfterDialog_) {
                reloadAfterDialog_ = false;
                Reload();
            }
            return SessionAction::Redraw;
        case NAVIGATE:
            Turn(static_cast<float>(std::clamp(c.A, -3600, 3600)),
                 static_cast<float>(std::clamp(c.B, -3600, 3600)));
            ZoomSteps(c.C);
            return SessionAction::Redraw;
        case TURNTABLE:
            if (c.B == 1) turntable_ = c.C != 0;
            return SessionAction::Redraw;
        default:
            return SessionAction::None;
    }
}

}  // namespace fw
