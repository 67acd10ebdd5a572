#include "edit/SubmodelTools.h"

#include <string>

#include "modelfile/SubmodelChecker.h"

namespace fw {

CommandResult PutMarkedPointsInSubmodel(Editor& ed, int s) {
    ModelStore& m = ed.Model();
    if (s < 0 || s >= MAX_SUBMODELS) {
        return Refused("Submodel " + std::to_string(s) + " does not exist.");
    }
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointMarked[i]) m.PointSubmodel[i] = static_cast<uint8_t>(s);
    return Done("Marked points put into submodel " + std::to_string(s) + ".");
}

CommandResult PutPointsInCurrentSubmodel(Editor& ed) {
    ed.Report(PutMarkedPointsInSubmodel(ed, ed.Model().CurrentSubmodel));
    return CheckAndCompressCommand(ed);
}

CommandResult PutPointsInNewSubmodel(Editor& ed) {
    ModelStore& m = ed.Model();
    // The menu entry is disabled from 9 submodels on; a new submodel without points would
    // leave an empty record that matches no point.
    if (m.NumSubmodels >= MAX_SUBMODELS - 1) {
        return Refused("Cannot add a submodel: the model already has " +
                       std::to_string(m.NumSubmodels) + " submodels.");
    }
    CountMarkedPoints(m);
    if (m.NumMarkedPoints < 1) {
        return Refused("No points marked.");
    }
    int added = m.NumSubmodels;
    ed.Report(PutMarkedPointsInSubmodel(ed, added));
    // The slot may hold a record that compression moved there (even the old root's, with
    // no parent); the stream can only express a lower-numbered parent.
    SubmodelRecord& record = m.Submodels[added];
    if (record.Parent >= added) record.Parent = 0;
    m.NumSubmodels += 1;
    return CheckAndCompressCommand(ed);
}

CommandResult CheckAndCompressCommand(Editor& ed) {
    ModelStore& m = ed.Model();
    ed.ShowStatus("", 0);
    if (m.NumPolygons < 1 || m.NumPoints < 1) return Done();

    int spread = CompressSubmodels(m);  // also recounts submodels and polygon marks
    if (spread > 0) ed.ShowMessage("Submodel Checker", SpreadWarningText(spread));

    m.PointMarked.fill(0);
    m.NumMarkedPoints = 0;
    return Done("Rearranged, compressed, and checked points of submodels.");
}

}  // namespace fw
