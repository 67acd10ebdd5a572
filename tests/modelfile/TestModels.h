#pragma once

#include <array>
#include <initializer_list>
#include <memory>

#include "model/ModelStore.h"

// Model builders of the model file tests. Every builder returns a store whose points are
// already in submodel order with PointCount set, as after a check.
namespace fw::test {

inline int AddPoint(ModelStore& m, double x, double y, double z, int submodel) {
    int i = m.NumPoints++;
    m.Points[i] = {x, y, z};
    m.PointSubmodel[i] = static_cast<uint8_t>(submodel);
    m.Submodels[submodel].PointCount++;
    return i;
}

inline int AddFlatPolygon(ModelStore& m, std::initializer_list<int> corners,
                          int16_t colour = DEFAULT_FLAT_COLOUR) {
    int i = m.NumPolygons++;
    PolygonRecord& p = m.Polygons[i];
    p = PolygonRecord{};
    p.CornerCount = 0;
    for (int c : corners) p.Corners[p.CornerCount++] = static_cast<int16_t>(c);
    p.TextureNumber = -1;
    p.FlatColour = colour;
    return i;
}

// Texture coordinates run round the unit square, so every value is exact in the file.
inline int AddTexturedPolygon(ModelStore& m, std::initializer_list<int> corners, int16_t texture) {
    int i = AddFlatPolygon(m, corners, 0);
    PolygonRecord& p = m.Polygons[i];
    p.TextureNumber = texture;
    for (int j = 0; j < p.CornerCount; ++j)
        p.CornerUVL[j] = {float(j % 2), float((j / 2) % 2) * 0.5f + 0.25f, 0};
    return i;
}

// Starts an empty model: no points, no polygons, `submodels` submodels.
inline void StartModel(ModelStore& m, int submodels) {
    NewModel(m);
    m.NumPoints = 0;
    m.NumSubmodels = static_cast<int16_t>(submodels);
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        m.Submodels[s] = SubmodelRecord{};
        m.Submodels[s].Parent = 0;
    }
    m.Submodels[0].Parent = NO_PARENT;
}
inline std::unique_ptr<ModelStore> EmptyModel(int submodels) {
    auto m = std::make_unique<ModelStore>();
    StartModel(*m, submodels);
    return m;
}

// A small robot: a box body (root) with a textured front and back and flat sides, and two
// tetrahedral arms as children of the root, one textured and one flat.
inline std::unique_ptr<ModelStore> MakeRobotModel() {
    auto model = EmptyModel(3);
    ModelStore& m = *model;
    for (double z : {-1.5, 1.5})
        for (double y : {-1.0, 1.0})
            for (double x : {-1.0, 1.0}) AddPoint(m, x, y, z, 0);
    AddTexturedPolygon(m, {0, 2, 3, 1}, 0);  // back (z = -1.5)
    AddTexturedPolygon(m, {4, 5, 7, 6}, 1);  // front
    AddFlatPolygon(m, {0, 1, 5, 4});
    AddFlatPolygon(m, {2, 6, 7, 3}, 0x7C00);
    AddFlatPolygon(m, {0, 4, 6, 2});
    AddFlatPolygon(m, {1, 3, 7, 5});
    for (int arm = 1; arm <= 2; ++arm) {
        double side = arm == 1 ? -1 : 1;
        int a = AddPoint(m, side * 2.5, -0.5, -0.5, arm);
        int b = AddPoint(m, side * 1.5, -0.5, -0.5, arm);
        int c = AddPoint(m, side * 2.0, 0.5, -0.5, arm);
        int d = AddPoint(m, side * 2.0, 0.0, 0.75, arm);
        int first = m.NumPolygons;
        for (auto tri :
             {std::array{a, c, b}, std::array{a, b, d}, std::array{b, c, d}, std::array{c, a, d}}) {
            if (arm == 1)
                AddTexturedPolygon(m, {tri[0], tri[1], tri[2]}, 2);
            else
                AddFlatPolygon(m, {tri[0], tri[1], tri[2]}, 0x03E0);
        }
        m.Submodels[arm].SortPolygon = static_cast<int16_t>(first);
    }
    m.NumberOfTextures = 3;
    m.FirstModelTexture = 12;
    return model;
}

// A chain of `levels` submodels below the root, each a triangle at coordinates that the
// file cannot hold exactly, so centres and offsets round at every level.
inline std::unique_ptr<ModelStore> MakeChainModel(int levels) {
    auto model = EmptyModel(levels + 1);
    ModelStore& m = *model;
    for (int s = 0; s <= levels; ++s) {
        double base = s * 1.37 + 0.1 / 3;
        int a = AddPoint(m, base, base / 7, -base / 3, s);
        int b = AddPoint(m, base + 0.3, base / 7 + 1.0 / 3, -base / 3, s);
        int c = AddPoint(m, base + 0.1, base / 7, -base / 3 + 2.0 / 7, s);
        AddFlatPolygon(m, {a, b, c});
        if (s > 0) {
            m.Submodels[s].Parent = static_cast<uint8_t>(s - 1);
            m.Submodels[s].SortPolygon = static_cast<int16_t>(s);
        }
    }
    return model;
}

}  // namespace fw::test
