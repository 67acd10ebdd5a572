#include "edit/Transform.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "edit/CheckedMove.h"
#include "edit/InsertDelete.h"
#include "edit/PlaneFrame.h"
#include "model/Axis.h"
#include "external/SuiteStrings.h"
#include "model/NumberText.h"

namespace fw {

namespace {

bool IsFinite(const PointRecord& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z);
}

// Reads three boxes; nullopt when one holds a number too large to read.
std::optional<PointRecord> ReadTriple(const std::array<std::string, 3>& boxes) {
    PointRecord r;
    for (int axis = 1; axis <= 3; ++axis)
        if (!TryReadNumber(boxes[axis - 1], Coordinate(r, axis))) return std::nullopt;
    return r;
}

const char* const NO_MARKED_POINTS = "Mark at least 1 point first.";

// Computes the new position of every marked point first and applies them only when all
// are finite and fit the file, so that a failure never leaves the marked points half
// transformed.
template <typename Transform>
bool TransformMarkedPoints(ModelStore& m, Transform transform) {
    auto marked = [&](int i) { return m.PointMarked[i] != 0; };
    return MovePointsIfAllFit(m, marked, transform);
}

bool AllPoints(int) {
    return true;
}

CommandResult ResizeModel(Editor& ed, double factor, const char* message) {
    bool fits = MovePointsIfAllFit(ed.Model(), AllPoints, [&](PointRecord p) {
        return PointRecord{p.X * factor, p.Y * factor, p.Z * factor};
    });
    return fits ? Done(message) : Refused(OUT_OF_RANGE_MESSAGE);
}

}  // namespace

CommandResult MoveMarkedPoints(Editor& ed, int axis, int sign, int steps) {
    ModelStore& m = ed.Model();
    if (IsAxis(axis)) {
        double delta = sign * steps * ed.MoveRate;
        auto moved = [&](PointRecord p) {
            Coordinate(p, axis) += delta;
            return p;
        };
        if (!TransformMarkedPoints(m, moved)) return Refused(OUT_OF_RANGE_MESSAGE);
    }
    return Done();
}

CommandResult RotateMarkedPoints(Editor& ed, int sign, int axisA, int axisB) {
    if (ed.Model().NumMarkedPoints == 0) return Refused(NO_MARKED_POINTS);
    ModelStore& m = ed.Model();
    std::optional<PointRecord> centre = ReadTriple(ed.TextCenter);
    double degrees = 0;
    bool ok = centre && TryReadNumber(ed.TextRotate, degrees) && IsAxis(axisA) &&
              IsAxis(axisB) && axisA != axisB;
    if (ok) {
        double theta = sign * degrees * ROUNDED_PI / 180;
        double c = std::cos(theta), s = std::sin(theta);
        PointRecord C = *centre;
        ok = std::isfinite(theta) && TransformMarkedPoints(m, [&](PointRecord p) {
                 double ra = Coordinate(p, axisA) - Coordinate(C, axisA);
                 double rb = Coordinate(p, axisB) - Coordinate(C, axisB);
                 Coordinate(p, axisA) = c * ra - s * rb + Coordinate(C, axisA);
                 Coordinate(p, axisB) = c * rb + s * ra + Coordinate(C, axisB);
                 return p;
             });
    }
    return ok ? Done() : Refused("Invalid Center.");
}

CommandResult ScaleMarkedPoints(Editor& ed, int direction) {
    if (ed.Model().NumMarkedPoints == 0) return Refused(NO_MARKED_POINTS);
    ModelStore& m = ed.Model();
    std::optional<PointRecord> centre = ReadTriple(ed.TextCenter);
    std::optional<PointRecord> factors = ReadTriple(ed.TextScale);
    bool ok = centre && factors && factors->X != 0 && factors->Y != 0 && factors->Z != 0;
    if (ok) {
        PointRecord C = *centre, S = *factors;
        if (direction == -1) S = {1 / S.X, 1 / S.Y, 1 / S.Z};
        ok = IsFinite(S) && TransformMarkedPoints(m, [&](PointRecord p) {
                 return PointRecord{C.X + (p.X - C.X) * S.X, C.Y + (p.Y - C.Y) * S.Y,
                                    C.Z + (p.Z - C.Z) * S.Z};
             });
    }
    return ok ? Done() : Refused("The scaling values mustn't be 0");
}

CommandResult GetCenter(Editor& ed) {
    std::optional<PointRecord> centre = CentreOfMarkedPoints(ed.Model());
    if (!centre) return Refused(NO_MARKED_POINTS);
    ed.TextCenter = {FormatNumber3(centre->X), FormatNumber3(centre->Y), FormatNumber3(centre->Z)};
    return Done();
}

CommandResult HalveModelSize(Editor& ed) {
    return ResizeModel(ed, 0.5, "Halved size");
}
CommandResult DoubleModelSize(Editor& ed) {
    return ResizeModel(ed, 2, "Doubled size");
}
CommandResult TripleModelSize(Editor& ed) {
    return ResizeModel(ed, 3, "Tripled size");
}

CommandResult CenterModel(Editor& ed) {
    ModelStore& m = ed.Model();
    PointRecord low = m.Points[0], high = m.Points[0];
    for (int i = 0; i < m.NumPoints; ++i) {
        for (int axis = 1; axis <= 3; ++axis) {
            double v = Coordinate(m.Points[i], axis);
            Coordinate(low, axis) = std::min(Coordinate(low, axis), v);
            Coordinate(high, axis) = std::max(Coordinate(high, axis), v);
        }
    }
    PointRecord c{(low.X + high.X) / 2, (low.Y + high.Y) / 2, (low.Z + high.Z) / 2};
    bool fits = MovePointsIfAllFit(m, AllPoints, [&](PointRecord p) {
        return PointRecord{p.X - c.X, p.Y - c.Y, p.Z - c.Z};
    });
    return fits ? Done() : Refused(OUT_OF_RANGE_MESSAGE);
}

}  // namespace fw
