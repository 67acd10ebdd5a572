#pragma once

// What the fuzz programs share: a check that stops the run with a message (libFuzzer keeps
// the input that caused it), a whole-store comparison, and the invariants every command
// relies on after a read.

#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/ModelStore.h"

namespace fw::fuzz {

[[noreturn]] inline void Fail(const char* what, const std::string& detail, const char* file,
                              int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s %s\n", file, line, what, detail.c_str());
    std::abort();
}

#define FW_CHECK(condition, detail) \
    ((condition) ? void() : ::fw::fuzz::Fail(#condition, (detail), __FILE__, __LINE__))

// Bit-for-bit equality, so that NaN equals NaN and a difference in sign of zero counts.
// (Not memcmp: libFuzzer intercepts every call, which slows the whole-store compare.)
inline bool SameBits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}
inline bool SameBits(float a, float b) {
    return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}

inline bool SamePolygonSlot(const PolygonRecord& a, const PolygonRecord& b) {
    if (a.Corners != b.Corners || a.CornerCount != b.CornerCount ||
        a.TextureNumber != b.TextureNumber || a.FlatColour != b.FlatColour)
        return false;
    for (int j = 0; j < MAX_CORNERS; ++j)
        if (!SameBits(a.CornerUVL[j].U, b.CornerUVL[j].U) ||
            !SameBits(a.CornerUVL[j].V, b.CornerUVL[j].V) ||
            !SameBits(a.CornerUVL[j].L, b.CornerUVL[j].L))
            return false;
    return true;
}

// Every table slot, in use or not, and every count, flag and current item.
inline bool SameStore(const ModelStore& a, const ModelStore& b) {
    for (int i = 0; i < MAX_POINTS; ++i)
        if (!SameBits(a.Points[i].X, b.Points[i].X) || !SameBits(a.Points[i].Y, b.Points[i].Y) ||
            !SameBits(a.Points[i].Z, b.Points[i].Z))
            return false;
    for (int i = 0; i < MAX_POLYGONS; ++i)
        if (!SamePolygonSlot(a.Polygons[i], b.Polygons[i])) return false;
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        const SubmodelRecord &x = a.Submodels[s], &y = b.Submodels[s];
        if (!SameBits(x.Centre[0], y.Centre[0]) || !SameBits(x.Centre[1], y.Centre[1]) ||
            !SameBits(x.Centre[2], y.Centre[2]) || x.FirstPoint != y.FirstPoint ||
            x.PointCount != y.PointCount || x.Parent != y.Parent || x.SortPolygon != y.SortPolygon)
            return false;
    }
    return a.PointSubmodel == b.PointSubmodel && a.PointMarked == b.PointMarked &&
           a.PointHidden == b.PointHidden && a.PolygonMarked == b.PolygonMarked &&
           a.PolygonHidden == b.PolygonHidden && a.PointRemap == b.PointRemap &&
           a.NumPoints == b.NumPoints && a.NumPolygons == b.NumPolygons &&
           a.NumSubmodels == b.NumSubmodels && a.NumMarkedPoints == b.NumMarkedPoints &&
           a.NumMarkedPolygons == b.NumMarkedPolygons && a.CurrentPoint == b.CurrentPoint &&
           a.CurrentPolygon == b.CurrentPolygon && a.CurrentSubmodel == b.CurrentSubmodel &&
           a.NumberOfTextures == b.NumberOfTextures && a.FirstModelTexture == b.FirstModelTexture &&
           a.SimplerModel == b.SimplerModel && a.HeaderReserved == b.HeaderReserved &&
           a.TrailerValue1 == b.TrailerValue1 && a.TrailerValue2 == b.TrailerValue2 &&
           a.Modified == b.Modified;
}

// A private folder for the files a run writes, removed at exit. In memory where the system
// offers it: every save ends with fsync, which on a disk would dominate the run.
inline std::filesystem::path MakeWorkFolder(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / (name + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) std::abort();
    static fs::path folder;
    folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    });
    return folder;
}

// A fresh store, as the editor starts.
inline std::unique_ptr<ModelStore> NewStore() {
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    return m;
}

// A store that already holds a model with something in every table, marks, hidden flags
// and current items, to see that nothing of it survives a read.
inline std::unique_ptr<ModelStore> BusyStore() {
    auto m = NewStore();
    m->NumPoints = 300;
    for (int i = 0; i < MAX_POINTS; ++i) {
        m->Points[i] = {i * 0.25, -i * 0.5, 7.0 + i};
        m->PointSubmodel[i] = static_cast<uint8_t>(i % 4);
        m->PointMarked[i] = i % 3 == 0;
        m->PointHidden[i] = i % 5 == 0;
        m->PointRemap[i] = static_cast<int16_t>(MAX_POINTS - 1 - i);
    }
    m->NumPolygons = 200;
    for (int i = 0; i < MAX_POLYGONS; ++i) {
        PolygonRecord& p = m->Polygons[i];
        p.CornerCount = static_cast<int16_t>(3 + i % 18);
        for (int j = 0; j < MAX_CORNERS; ++j) {
            p.Corners[j] = static_cast<int16_t>((i + j) % 300);
            p.CornerUVL[j] = {float(j), float(i), 0.5f};
        }
        p.TextureNumber = static_cast<int16_t>(i % 2 ? -1 : i % 5);
        p.FlatColour = static_cast<int16_t>(i * 7);
        m->PolygonMarked[i] = i % 2;
        m->PolygonHidden[i] = static_cast<uint8_t>(i % 3);
    }
    m->NumSubmodels = 4;
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        m->Submodels[s] = {
            {s * 1.5, 2.0, -s * 1.0}, s * 10, 10, uint8_t(s ? s - 1 : NO_PARENT), int16_t(s * 3)};
    }
    CountMarkedPoints(*m);
    CountMarkedPolygons(*m);
    m->CurrentPoint = 17, m->CurrentPolygon = 33, m->CurrentSubmodel = 2;
    m->NumberOfTextures = 9, m->FirstModelTexture = 300, m->SimplerModel = 4;
    m->HeaderReserved = 12345, m->TrailerValue1 = 6, m->TrailerValue2 = 7;
    m->Modified = true;
    return m;
}

// What every view and command relies on after a read, failed or not.
inline void CheckConsistent(const ModelStore& m) {
    FW_CHECK(m.NumPoints >= 1 && m.NumPoints <= MAX_POINTS, std::to_string(m.NumPoints));
    FW_CHECK(m.NumPolygons >= 0 && m.NumPolygons <= MAX_POLYGONS, std::to_string(m.NumPolygons));
    FW_CHECK(m.NumSubmodels >= 1 && m.NumSubmodels <= MAX_SUBMODELS,
             std::to_string(m.NumSubmodels));
    for (int i = 0; i < m.NumPolygons; ++i) {
        const PolygonRecord& p = m.Polygons[i];
        FW_CHECK(p.CornerCount >= 0 && p.CornerCount <= MAX_CORNERS,
                 "polygon " + std::to_string(i));
        for (int j = 0; j < p.CornerCount; ++j)
            FW_CHECK(p.Corners[j] >= 0 && p.Corners[j] < m.NumPoints,
                     "polygon " + std::to_string(i));
    }
    for (int i = 0; i < m.NumPoints; ++i)
        FW_CHECK(m.PointSubmodel[i] < MAX_SUBMODELS, "point " + std::to_string(i));
    FW_CHECK(m.CurrentPoint >= 0 && m.CurrentPoint < m.NumPoints, "");
    FW_CHECK(m.CurrentPolygon >= 0 && m.CurrentPolygon <= std::max<int>(m.NumPolygons - 1, 0), "");
    FW_CHECK(m.CurrentSubmodel >= 0 && m.CurrentSubmodel < m.NumSubmodels, "");
    FW_CHECK(m.Submodels[0].Parent == NO_PARENT, "");
    int marked = 0, markedPolygons = 0;
    for (int i = 0; i < m.NumPoints; ++i) marked += m.PointMarked[i] != 0;
    for (int i = 0; i < m.NumPolygons; ++i) markedPolygons += m.PolygonMarked[i] != 0;
    FW_CHECK(m.NumMarkedPoints == marked, "");
    FW_CHECK(m.NumMarkedPolygons == markedPolygons, "");
}

// A message for the user: one line of text.
inline void CheckMessage(const std::string& text) {
    FW_CHECK(!text.empty() && text.find('\n') == std::string::npos, text);
}

}  // namespace fw::fuzz
