#include "views/ViewScene.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// A grid denser than this many lines would only paint the surface grey; it is left out.
constexpr double MAX_GRID_LINES = 100000;
// Keys: an edge by its two point numbers, smaller first; then the rings by size and point.
constexpr int32_t EDGE_KEYS = MAX_POINTS * MAX_POINTS;
constexpr int32_t KEY_COUNT = EDGE_KEYS + 2 * MAX_POINTS;

}  // namespace

void ViewScene::Build(const ModelStore& m, const ViewState& views, int view,
                      const ViewWindow& window, QSize size, bool keepRepeats) {
    items_.clear();
    free_.clear();
    runs_.clear();
    lines_.clear();
    centres_.clear();
    kept_ = 0;
    if (view < 0 || view >= VIEW_COUNT || size.isEmpty()) return;
    if (!(window.width > 0 && window.height > 0)) return;
    m_ = &m;
    views_ = &views;
    view_ = view;
    window_ = window;
    size_ = size;
    sx_ = size.width() / window.width;
    sy_ = size.height() / window.height;
    numPoints_ = std::min<int>(m.NumPoints, MAX_POINTS);
    numPolygons_ = std::min<int>(m.NumPolygons, MAX_POLYGONS);

    points_.resize(std::max(numPoints_, 0));
    if (view == VIEW_ISO) {
        IsoRotation rotation(views.HAngle, views.VAngle);
        for (int i = 0; i < numPoints_; ++i) points_[i] = Map(rotation.Project(m.Points[i]));
        BuildIso();
    } else {
        ViewAxes axes = AxesOf(view);
        for (int i = 0; i < numPoints_; ++i)
            points_[i] = Map(OrthoProject(m.Points[i], axes.h, axes.v));
        BuildOrtho();
    }
    KeepLastOfEachShape(keepRepeats);
}

// The order of the strokes is the order of the picture's layers: later ones cover earlier.
void ViewScene::BuildOrtho() {
    AddGridAndAxes(views_->Views[view_].GridSpacing());
    if (m_->NumPoints <= 0 && m_->NumPolygons <= 0) return;
    for (int i = 0; ValidPoint(i); ++i)
        if (m_->PointHidden[i] == 0) AddRing(COLOUR_POINT, RING_POINT, i);
    AddPolygons(false);
    AddMarkedPoints();
    AddMarkedPolygons(false);
    AddCurrentPolygon();
    AddCurrentPoint();
    AddNormal();
}

void ViewScene::BuildIso() {
    AddPolygons(true);
    AddMarkedPolygons(true);
    AddMarkedPoints();
    AddCurrentPolygon();
    AddCurrentPoint();
}

void ViewScene::AddFreeLine(SceneRun::Kind kind, int colour, QLineF line) {
    items_.push_back({kind, uint8_t(colour), 0, -1, int32_t(free_.size()), 0});
    free_.push_back(line);
}

void ViewScene::AddEdge(int colour, int a, int b) {
    int32_t key = std::min(a, b) * MAX_POINTS + std::max(a, b);
    items_.push_back({SceneRun::Lines, uint8_t(colour), 0, key, a, b});
}

void ViewScene::AddRing(int colour, int ringSize, int point) {
    int32_t key = EDGE_KEYS + ringSize * MAX_POINTS + point;
    items_.push_back({SceneRun::Rings, uint8_t(colour), uint8_t(ringSize), key, point, 0});
}

int ViewScene::Corners(const PolygonRecord& poly) const {
    return std::clamp<int>(poly.CornerCount, 0, MAX_CORNERS);
}

void ViewScene::AddOutline(int colour, int polygon) {
    const PolygonRecord& poly = m_->Polygons[polygon];
    int n = Corners(poly);
    for (int j = 0; j < n; ++j) {
        int a = poly.Corners[j], b = poly.Corners[(j + 1) % n];
        if (ValidPoint(a) && ValidPoint(b)) AddEdge(colour, a, b);
    }
}

void ViewScene::AddGridAndAxes(float spacing) {
    const ViewWindow& w = window_;
    double width = size_.width(), height = size_.height();
    if (spacing > 0 && (w.width + w.height) / spacing < MAX_GRID_LINES) {
        double g = spacing;
        for (double i = std::floor(w.left / g); i <= std::floor((w.left + w.width) / g); ++i) {
            double x = Map({i * g, 0}).x();
            AddFreeLine(SceneRun::Lines, COLOUR_DIM, QLineF(x, 0, x, height));
        }
        for (double j = std::floor(w.top / g); j <= std::floor((w.top + w.height) / g); ++j) {
            double y = Map({0, j * g}).y();
            AddFreeLine(SceneRun::Lines, COLOUR_DIM, QLineF(0, y, width, y));
        }
    }
    QPointF origin = Map({0, 0});
    AddFreeLine(SceneRun::WideLines, COLOUR_DIM, QLineF(0, origin.y(), width, origin.y()));
    AddFreeLine(SceneRun::WideLines, COLOUR_DIM, QLineF(origin.x(), 0, origin.x(), height));
}

// Shown polygons in number order; in the orthographic views darkened ones are dim, in the
// iso view they are left out.
void ViewScene::AddPolygons(bool iso) {
    for (int i = 0; ValidPolygon(i); ++i) {
        int hidden = m_->PolygonHidden[i];
        if (hidden == 2 || (iso && hidden != 0)) continue;
        AddOutline(hidden == 1 ? COLOUR_DIM : COLOUR_EDGE, i);
    }
}

void ViewScene::AddMarkedPoints() {
    for (int i = 0; ValidPoint(i); ++i)
        if (m_->PointMarked[i] != 0) AddRing(COLOUR_MARKED, RING_POINT, i);
}

// Outlines of the marked polygons, or lines from their corners to their centroids; in the
// iso view their corners ringed after all outlines; the current polygon, when marked, wide.
void ViewScene::AddMarkedPolygons(bool iso) {
    bool crossed = !iso && views_->CrossMarked;
    bool currentMarked = false;
    for (int i = 0; ValidPolygon(i); ++i) {
        if (m_->PolygonMarked[i] == 0 || (iso && m_->PolygonHidden[i] != 0)) continue;
        if (i == m_->CurrentPolygon) currentMarked = true;
        const PolygonRecord& poly = m_->Polygons[i];
        int n = Corners(poly);
        if (!crossed) {
            AddOutline(COLOUR_MARKED, i);
            continue;
        }
        QPointF sum;
        int used = 0;
        for (int j = 0; j < n; ++j)
            if (ValidPoint(poly.Corners[j])) sum += points_[poly.Corners[j]], ++used;
        if (used == 0) continue;
        QPointF centroid = sum / used;
        for (int j = 0; j < n; ++j)
            if (ValidPoint(poly.Corners[j]))
                AddFreeLine(SceneRun::Lines, COLOUR_MARKED,
                            QLineF(points_[poly.Corners[j]], centroid));
    }
    if (iso)
        for (int i = 0; ValidPolygon(i); ++i) {
            if (m_->PolygonMarked[i] == 0 || m_->PolygonHidden[i] != 0) continue;
            const PolygonRecord& poly = m_->Polygons[i];
            for (int j = 0; j < Corners(poly); ++j)
                if (ValidPoint(poly.Corners[j]))
                    AddRing(COLOUR_MARKED, RING_CORNER, poly.Corners[j]);
        }
    if (currentMarked && !crossed) {
        const PolygonRecord& poly = m_->Polygons[m_->CurrentPolygon];
        int n = Corners(poly);
        for (int j = 0; j < n; ++j) {
            int a = poly.Corners[j], b = poly.Corners[(j + 1) % n];
            if (ValidPoint(a) && ValidPoint(b))
                AddFreeLine(SceneRun::WideLines, COLOUR_MARKED, QLineF(points_[a], points_[b]));
        }
    }
}

// Corner rings and edges of the current polygon; corner 1 and the closing edge stand out so
// that the corner order shows.
void ViewScene::AddCurrentPolygon() {
    if (!ValidPolygon(m_->CurrentPolygon)) return;
    const PolygonRecord& poly = m_->Polygons[m_->CurrentPolygon];
    int n = Corners(poly);
    for (int j = 0; j < n; ++j)
        if (ValidPoint(poly.Corners[j]))
            AddRing(j == 1 ? COLOUR_ORDER : COLOUR_CURRENT_POLYGON, RING_CORNER, poly.Corners[j]);
    for (int j = 0; j < n; ++j) {
        int a = poly.Corners[j], b = poly.Corners[(j + 1) % n];
        if (ValidPoint(a) && ValidPoint(b))
            AddEdge(j == n - 1 ? COLOUR_ORDER : COLOUR_CURRENT_POLYGON, a, b);
    }
}

// Drawn even when the point is hidden, so the user always sees where keys will act.
void ViewScene::AddCurrentPoint() {
    if (ValidPoint(m_->CurrentPoint)) AddRing(COLOUR_CURRENT_POINT, RING_CORNER, m_->CurrentPoint);
}

void ViewScene::AddNormal() {
    if (!ValidPolygon(m_->CurrentPolygon)) return;
    const PolygonRecord& poly = m_->Polygons[m_->CurrentPolygon];
    int n = Corners(poly);
    if (n < 3) return;  // fewer corners span no plane
    int i0 = poly.Corners[0], i1 = poly.Corners[1], in = poly.Corners[n - 1];
    if (!ValidPoint(i0) || !ValidPoint(i1) || !ValidPoint(in)) return;
    const PointRecord &p0 = m_->Points[i0], &p1 = m_->Points[i1], &pn = m_->Points[in];
    double ax = p0.X - p1.X, ay = p0.Y - p1.Y, az = p0.Z - p1.Z;
    double bx = p0.X - pn.X, by = p0.Y - pn.Y, bz = p0.Z - pn.Z;
    double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0) return;  // collinear corners: the normal has no direction
    PointRecord tip{p0.X + nx / length, p0.Y + ny / length, p0.Z + nz / length};
    AddFreeLine(SceneRun::Lines, COLOUR_NORMAL,
                QLineF(points_[i0], Map(ProjectPoint(*views_, view_, tip))));
}

// Walks back from the last stroke and keeps a keyed stroke only the first time its key is
// met; then gathers the kept strokes, in order, into runs of one kind and colour.
void ViewScene::KeepLastOfEachShape(bool keepRepeats) {
    seen_.assign((KEY_COUNT + 63) / 64, 0);
    std::vector<Item>& items = items_;
    for (size_t k = keepRepeats ? 0 : items.size(); k-- > 0;) {
        int32_t key = items[k].key;
        if (key < 0) continue;
        uint64_t bit = uint64_t(1) << (key & 63);
        if (seen_[key >> 6] & bit)
            items[k].key = -2;  // painted over later
        else
            seen_[key >> 6] |= bit;
    }
    for (const Item& item : items) {
        if (item.key == -2) continue;
        ++kept_;
        bool ring = item.kind == SceneRun::Rings;
        if (runs_.empty() || runs_.back().kind != item.kind || runs_.back().colour != item.colour ||
            runs_.back().ringSize != item.ringSize) {
            int first = int(ring ? centres_.size() : lines_.size());
            runs_.push_back({item.kind, item.colour, item.ringSize, first, 0});
        }
        ++runs_.back().count;
        if (ring)
            centres_.push_back(points_[item.a]);
        else if (item.key >= 0)
            lines_.emplace_back(points_[item.a], points_[item.b]);
        else
            lines_.push_back(free_[item.a]);
    }
}

}  // namespace fw
