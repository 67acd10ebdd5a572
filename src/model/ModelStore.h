#pragma once

#include <array>
#include <cstdint>

#include "model/Limits.h"

namespace fw {

// A position in model units; the file holds these as 16.16 fixed point.
struct PointRecord {
    double X = 0, Y = 0, Z = 0;
    bool operator==(const PointRecord&) const = default;
};

// Texture coordinates of one polygon corner, in file units divided by 65536.
struct CornerUVLRecord {
    float U = 0, V = 0, L = 0;
    bool operator==(const CornerUVLRecord&) const = default;
};

struct PolygonRecord {
    std::array<int16_t, MAX_CORNERS> Corners{};  // point numbers, drawing order
    int16_t CornerCount = 0;
    int16_t TextureNumber = 0;  // index into the model's texture window; -1 = flat colour
    int16_t FlatColour = 0;     // 15-bit RGB of a flat polygon
    std::array<CornerUVLRecord, MAX_CORNERS> CornerUVL{};

    bool IsFlat() const { return TextureNumber == -1; }
    bool operator==(const PolygonRecord&) const = default;
};

struct SubmodelRecord {
    std::array<double, 3> Centre{};  // pivot; relative to the parent as read, absolute once saved
    int32_t FirstPoint = 0;
    int16_t PointCount = 0;
    uint8_t Parent = 0;  // NO_PARENT for the root
    int16_t SortPolygon = 0;
    bool operator==(const SubmodelRecord&) const = default;
};

// The one model the editor works on: fixed tables plus counts, marks and current items.
// It is a plain value, so undo keeps copies and equality is a compare.
struct ModelStore {
    std::array<PointRecord, MAX_POINTS> Points{};
    std::array<uint8_t, MAX_POINTS> PointSubmodel{};
    std::array<uint8_t, MAX_POINTS> PointMarked{};
    std::array<uint8_t, MAX_POINTS> PointHidden{};  // 0 shown, non-zero hidden

    std::array<PolygonRecord, MAX_POLYGONS> Polygons{};
    std::array<uint8_t, MAX_POLYGONS> PolygonMarked{};
    std::array<uint8_t, MAX_POLYGONS> PolygonHidden{};  // 0 shown, 1 darkened, 2 hidden

    std::array<SubmodelRecord, MAX_SUBMODELS> Submodels{};

    int16_t NumPoints = 1;
    int16_t NumPolygons = 0;
    int16_t NumSubmodels = 1;
    int16_t NumMarkedPoints = 0;
    int16_t NumMarkedPolygons = 0;
    int16_t CurrentPoint = 0;
    int16_t CurrentPolygon = 0;
    int16_t CurrentSubmodel = 0;

    uint8_t NumberOfTextures = 5;
    int16_t FirstModelTexture = 0;
    uint8_t SimplerModel = 0;
    int32_t HeaderReserved = 0;
    int32_t TrailerValue1 = -1;
    int32_t TrailerValue2 = -1;

    bool Modified = false;

    // Old point number to new one, filled by the submodel checker and by copy.
    std::array<int16_t, MAX_POINTS> PointRemap{};

    ModelStore();
    // Every field, marks and scratch tables included: "exactly as it was".
    bool operator==(const ModelStore&) const = default;
};

// Resets the store to an empty model: one point at the origin, one submodel, no polygons.
void NewModel(ModelStore& m);

// The polygon's owning submodel: that of its first corner.
int PolygonSubmodel(const ModelStore& m, int polygon);

// True when the two stores hold the same model as a file would save it: points, polygons,
// submodels and texture window. Marks, hiding and current items do not count.
bool SameModelContent(const ModelStore& a, const ModelStore& b);
// The same for one polygon: its corners, texture and colour.
bool SamePolygonContent(const PolygonRecord& a, const PolygonRecord& b);

// Brings counts and current items back into the tables and the items in use, and drops
// polygons without corners or with corners that name no point, so that no view or command
// can read a stale slot.
void ClampToTables(ModelStore& m);

// Brings CurrentPoint, CurrentPolygon and CurrentSubmodel into the items in use.
void ClampCurrentItems(ModelStore& m);

// True when the polygon has 1 to 20 corners and every one names a point in use.
bool PolygonIsValid(const ModelStore& m, int polygon);

// Recounts NumMarkedPoints / NumMarkedPolygons from the flags of the items in use.
void CountMarkedPoints(ModelStore& m);
void CountMarkedPolygons(ModelStore& m);

}  // namespace fw
