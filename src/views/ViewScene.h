#pragma once

// The strokes of one view picture in the order they are painted, without the strokes that a
// later identical stroke paints over. In a closed mesh every edge belongs to two polygons,
// marked polygons outline theirs a second time and the iso view rings every marked corner,
// so most strokes of a dense model are repeats. Strokes are opaque, and two strokes of the
// same shape cover the same pixels whatever their colour or direction, so keeping only the
// last of each leaves the picture exactly as it was.

#include <QLineF>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <vector>

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

// Consecutive strokes of one kind and colour, painted with one call.
struct SceneRun {
    enum Kind : uint8_t { Lines, WideLines, Rings };  // 1 pixel lines, 2 pixel lines, rings
    Kind kind;
    uint8_t colour;    // index into ViewColours
    uint8_t ringSize;  // rings: RING_POINT or RING_CORNER
    int first, count;  // range of lines (Lines, WideLines) or of ring centres (Rings)
};

inline constexpr int RING_POINT = 0;   // radius 0.08 view units: points and marked points
inline constexpr int RING_CORNER = 1;  // radius 0.1: corners and the current point
inline constexpr double RING_RADIUS[2] = {0.08, 0.1};

class ViewScene {
public:
    // The picture of view 0..3 showing `window` on a surface of `size` pixels, in surface
    // pixels. Nothing is added for a window without area; the background is the painter's.
    // The scene keeps its buffers, so building again reuses them. `keepRepeats` keeps every
    // stroke as issued (the benchmarks' floor draws those).
    void Build(const ModelStore& m, const ViewState& views, int view, const ViewWindow& window,
               QSize size, bool keepRepeats = false);

    const std::vector<SceneRun>& Runs() const { return runs_; }
    const std::vector<QLineF>& Lines() const { return lines_; }
    const std::vector<QPointF>& Centres() const { return centres_; }
    // Pixels per view unit across and down.
    double ScaleX() const { return sx_; }
    double ScaleY() const { return sy_; }
    // Strokes before and after the repeats were left out.
    int StrokesIssued() const { return static_cast<int>(items_.size()); }
    int StrokesKept() const { return kept_; }

private:
    // One stroke as issued. Edges and rings name their points, so that repeats are found by
    // number; other strokes carry their own line.
    struct Item {
        SceneRun::Kind kind;
        uint8_t colour, ringSize;
        int32_t key;   // equal keys mean equal shapes; -1 for strokes never repeated
        int32_t a, b;  // points of an edge, point of a ring, or index into free lines
    };

    void BuildOrtho();
    void BuildIso();
    void AddGridAndAxes(float spacing);
    void AddFreeLine(SceneRun::Kind kind, int colour, QLineF line);
    void AddEdge(int colour, int a, int b);
    void AddRing(int colour, int ringSize, int point);
    void AddOutline(int colour, int polygon);
    void AddPolygons(bool iso);
    void AddMarkedPoints();
    void AddMarkedPolygons(bool iso);
    void AddCurrentPolygon();
    void AddCurrentPoint();
    void AddNormal();
    void KeepLastOfEachShape(bool keepRepeats);
    bool ValidPoint(int point) const { return point >= 0 && point < numPoints_; }
    bool ValidPolygon(int polygon) const { return polygon >= 0 && polygon < numPolygons_; }
    int Corners(const PolygonRecord& poly) const;
    QPointF Map(ViewPos p) const { return {(p.x - window_.left) * sx_, (p.y - window_.top) * sy_}; }

    const ModelStore* m_ = nullptr;
    const ViewState* views_ = nullptr;
    int view_ = 0;
    ViewWindow window_;
    QSize size_;
    double sx_ = 0, sy_ = 0;
    int numPoints_ = 0, numPolygons_ = 0;
    std::vector<QPointF> points_;  // every point in use, mapped to the surface
    std::vector<QLineF> free_;     // lines that name no pair of points
    std::vector<Item> items_;
    std::vector<uint64_t> seen_;  // keys met while walking back from the last stroke
    std::vector<SceneRun> runs_;
    std::vector<QLineF> lines_;
    std::vector<QPointF> centres_;
    int kept_ = 0;
};

}  // namespace fw
