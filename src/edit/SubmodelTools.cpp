#include "edit/SubmodelTools.h"

#include <string>

#include "modelfile/SubmodelChecker.h"

namespace fw {

void PutMarkedPointsInSubmodel(Editor& ed, int s) {
    ModelStore& m = ed.Model();
    if (s < 0 || s >= MAX_SUBMODELS) {
        ed.ShowStatus("Submodel " + std::to_string(s) + " does not exist.", -1);
        return;
    }
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointMarked[i]) m.PointSubmodel[i] = static_cast<uint8_t>(s);
    ed.ShowStatus("Marked points put into submodel " + std::to_string(s) + ".", 1);
}

void PutPointsInCurrentSubmodel(Editor& ed) {
    PutMarkedPointsInSubmodel(ed, ed.Model().CurrentSubmodel);
    CheckAndCompressCommand(ed);
}

void PutPointsInNewSubmodel(Editor& ed) {
    ModelStore& m = ed.Model();
    // The menu entry is disabled from 9 submodels on; a new submodel without points would
    // leave an empty record that matches no point.
    if (m.NumSubmodels >= MAX_SUBMODELS - 1) {
        ed.ShowStatus("Cannot add a submodel: the model already has " +
                          std::to_string(m.NumSubmodels) + " submodels.",
                      -1);
        return;
    }
    CountMarkedPoints(m);
    if (m.NumMarkedPoints < 1) {
        ed.ShowStatus("No points marked.", -1);
        return;
    }
    PutMarkedPointsInSubmodel(ed, m.NumSubmodels);
    m.NumSubmodels += 1;
    CheckAndCompressCommand(ed);
}

void CheckAndCompressCommand(Editor& ed) {
    ModelStore& m = ed.Model();
    ed.ShowStatus("", 0);
    if (m.NumPolygons < 1 || m.NumPoints < 1) return;

    int spread = CompressSubmodels(m);  // also recounts submodels and polygon marks
    if (spread > 0) ed.ShowMessage("Submodel Checker", SpreadWarningText(spread));

    m.PointMarked.fill(0);
    m.NumMarkedPoints = 0;
    ed.RefreshAfterEdit(1);
    ed.ShowStatus("Rearranged, compressed, and checked points of submodels.", 1);
}

}  // namespace fw
