#pragma once

#include <string>

#include "modelfile/GameModel.h"
#include "viewer/FrameBuffer.h"
#include "viewer/TextureSource.h"
#include "viewer/ViewerRenderer.h"

namespace fw {

// A game model (record and stream, as a HAM or HXM holds it) as the viewer draws it: the
// record becomes a model file's header, exactly as a .pol carries it.
std::string ViewerModelFromGame(const GameModel& model, ViewerModel& out);

// Draws a game model into `frame` (resized to `side` x `side`) from the viewer's usual
// angle, framed to its polygons. Returns "" or why it cannot be drawn (the frame then shows
// only the background).
std::string RenderGameModelPicture(const GameModel& model, int side, TextureSource& textures,
                                   FrameBuffer& frame);

}  // namespace fw
