#pragma once

#include <optional>

#include "model/ModelStore.h"
#include "model/RoundedAtan2.h"

namespace fw {

// The mapping dialog's three projections, in the order of its frames and default buttons.
enum class MappingType { Planar = 0, Spherical = 1, Cylindrical = 2 };

// One projection's inputs. Axis is the chosen option button, 0..2: for the planar and the
// spherical projection the planes ZY, XZ, XY; for the cylindrical one the axes X, Y, Z.
struct MappingSet {
    double Factor = 0;  // weight in the sum; 0.001 or less in size switches the set off
    double UScale = 1, VScale = 1;
    PointRecord Centre;
    int Axis = 2;
};

struct MappingInputs {
    MappingSet Planar{1.0, 0.25, 0.25, {}, 2};
    MappingSet Spherical{1.0, 1.0, 1.0, {}, 2};
    MappingSet Cylindrical{5.0, 1.0, 0.25, {}, 2};
    double Rotation = 0;  // degrees
    double Scaling = 1;

    MappingSet& Set(MappingType type);
    const MappingSet& Set(MappingType type) const;
};

// What a default button does: that type's factor, scales and centre get their defaults and
// the other two factors 0, so only that type contributes; the planar button also puts the
// rotation back to 0 and the scaling to 1. The axes stay as chosen.
void PressMappingDefault(MappingInputs& inputs, MappingType type);

// The inputs as the dialog opens: the planar default.
MappingInputs OpeningMappingInputs();

// U, V of a model point: the weighted sum (not the mean) of the projections whose factor is
// on, then turned by the rotation and multiplied by the scaling. Empty when the result does
// not fit a float, in which case the corner keeps its old values.
std::optional<CornerUVLRecord> MapPoint(const MappingInputs& inputs, const PointRecord& p);

// Polygon `polygon` with U and V of every corner mapped from its point; L and the corners
// whose point is not in use or whose result does not fit stay as they were. A polygon number
// outside the table gives an empty record.
PolygonRecord MapPolygon(const ModelStore& m, int polygon, const MappingInputs& inputs);

}  // namespace fw
