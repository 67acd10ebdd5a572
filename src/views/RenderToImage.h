#pragma once

// Off-screen pictures of a view, for the command line and for checks of the drawing.

#include <QImage>
#include <QSize>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

// 0..3 for "xy", "xz", "zy", "iso" (any case); -1 for anything else.
int ViewFromName(const std::string& name);

// A window centred on the view's picture of the points in use, with equal scale in both
// directions and a margin, that shows the whole model on a surface of `size`.
ViewWindow FitWindow(const ModelStore& m, const ViewState& views, int view, QSize size);

// The view drawn through FitWindow onto a new image. Needs a QGuiApplication.
QImage RenderToImage(const ModelStore& m, const ViewState& views, int view, QSize size);

// "facetwork-tool render FILE.pol --view xy|xz|zy|iso --size WxH --out FILE.png": `args`
// are the words after "render". Creates an off-screen QGuiApplication when there is none.
// Returns the exit code: 0 done, 1 the model could not be read or the picture not written,
// 2 bad arguments; the reason goes to `err`.
int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fw
