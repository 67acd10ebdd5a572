#pragma once

// Shared test fixture for editing commands: an Editor talking to a RecordingHost, and small
// helpers that build points, polygons and submodels directly in the store.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "model/Editor.h"
#include "model/RecordingHost.h"

namespace fw {

class EditFixture : public ::testing::Test {
protected:
    RecordingHost host;
    Editor ed{host};

    ModelStore& M() { return ed.Model(); }

    // Runs a command the way the window does: one undo step, one refresh, then its status.
    CommandResult Do(const std::function<CommandResult()>& command) {
        return ed.Run("Test step", command);
    }

    // Replaces the model with `count` points at (i, 0, 0), all in submodel 0, no polygons.
    void MakePoints(int count) {
        NewModel(M());
        M().NumPoints = 0;
        for (int i = 0; i < count; ++i) AddPoint(i, 0, 0);
        M().Submodels[0].FirstPoint = 0;
        M().Submodels[0].PointCount = static_cast<int16_t>(count);
    }

    int AddPoint(double x, double y, double z, int submodel = 0) {
        int n = M().NumPoints++;
        M().Points[n] = {x, y, z};
        M().PointSubmodel[n] = static_cast<uint8_t>(submodel);
        return n;
    }

    // Appends a flat polygon.
    int AddPolygon(std::initializer_list<int> corners) {
        int p = M().NumPolygons++;
        PolygonRecord& poly = M().Polygons[p] = PolygonRecord{};
        poly.CornerCount = static_cast<int16_t>(corners.size());
        int j = 0;
        for (int c : corners) poly.Corners[j++] = static_cast<int16_t>(c);
        poly.TextureNumber = -1;
        poly.FlatColour = DEFAULT_FLAT_COLOUR;
        return p;
    }

    void MarkPoints(std::initializer_list<int> points) {
        for (int i : points) M().PointMarked[i] = 1;
        CountMarkedPoints(M());
    }
    void MarkPolygons(std::initializer_list<int> polygons) {
        for (int p : polygons) M().PolygonMarked[p] = 1;
        CountMarkedPolygons(M());
    }

    // The corner numbers of polygon p, in drawing order.
    std::vector<int> CornersOf(int p) {
        return First(M().Polygons[p].Corners, M().Polygons[p].CornerCount);
    }

    // The first n entries of a per-point or per-polygon column, to compare whole columns.
    template <class Column>
    static std::vector<int> First(const Column& column, int n) {
        return std::vector<int>(column.begin(), column.begin() + n);
    }

    // Marks the current state as saved, so that Modified reflects later changes only.
    void Saved() { ed.MarkLoaded(); }
};

}  // namespace fw
