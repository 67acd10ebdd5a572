#pragma once

// Models for drawing checks and benchmarks.

#include <cmath>
#include <memory>
#include <random>

#include "model/ModelStore.h"

namespace fw {

// The largest model: 512 points on a sphere of radius 4 (16 rings of 32) and 512 polygons
// of 20 corners along the rings, so that every edge is shared; every other point and
// polygon marked, so that every drawing step has work.
inline std::unique_ptr<ModelStore> LargestModel() {
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    const int rings = 16, perRing = 32;
    m->NumPoints = MAX_POINTS;
    for (int i = 0; i < MAX_POINTS; ++i) {
        double lat = M_PI * ((i / perRing) + 0.5) / rings - M_PI / 2;
        double lon = 2 * M_PI * (i % perRing) / perRing;
        m->Points[i] = {4 * std::cos(lat) * std::cos(lon), 4 * std::sin(lat),
                        4 * std::cos(lat) * std::sin(lon)};
        m->PointMarked[i] = i % 2;
    }
    m->NumPolygons = MAX_POLYGONS;
    for (int k = 0; k < MAX_POLYGONS; ++k) {
        PolygonRecord& poly = m->Polygons[k];
        poly.CornerCount = MAX_CORNERS;
        poly.TextureNumber = -1;
        int ring = k % rings, start = (k * 7) % perRing;
        for (int j = 0; j < MAX_CORNERS; ++j)
            poly.Corners[j] = static_cast<int16_t>(ring * perRing + (start + j) % perRing);
        m->PolygonMarked[k] = k % 2;
    }
    CountMarkedPoints(*m);
    CountMarkedPolygons(*m);
    return m;
}

// A model drawn from `seed`: points in -2..2 on a coarse lattice, so that polygons share
// corners and edges in both directions; random marks, hiding and darkening; polygons of
// 1 to 20 corners, now and then one naming a point not in use; random current items.
inline std::unique_ptr<ModelStore> RandomModel(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    m->NumPoints = int16_t(1 + pick(60));
    for (int i = 0; i < m->NumPoints; ++i) {
        m->Points[i] = {pick(17) * 0.25 - 2, pick(17) * 0.25 - 2, pick(17) * 0.25 - 2};
        m->PointHidden[i] = pick(6) == 0;
        m->PointMarked[i] = !m->PointHidden[i] && pick(3) == 0;
    }
    m->NumPolygons = int16_t(pick(40));
    for (int k = 0; k < m->NumPolygons; ++k) {
        PolygonRecord& poly = m->Polygons[k];
        poly.CornerCount = int16_t(1 + pick(pick(2) ? 4 : MAX_CORNERS));
        poly.TextureNumber = -1;
        int start = pick(m->NumPoints);
        for (int j = 0; j < poly.CornerCount; ++j)
            poly.Corners[j] = int16_t(pick(2) ? (start + j) % m->NumPoints : pick(m->NumPoints));
        if (pick(25) == 0) poly.Corners[pick(poly.CornerCount)] = int16_t(m->NumPoints + 3);
        m->PolygonHidden[k] = uint8_t(pick(5) == 0 ? 1 + pick(2) : 0);
        m->PolygonMarked[k] = pick(3) == 0;
    }
    m->CurrentPoint = int16_t(pick(m->NumPoints));
    m->CurrentPolygon = int16_t(m->NumPolygons > 0 ? pick(m->NumPolygons) : 0);
    CountMarkedPoints(*m);
    CountMarkedPolygons(*m);
    return m;
}

}  // namespace fw
