#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"
#include "modelfile/ModelFile.h"

namespace fw::test {

// Model builders. Every builder returns a store whose points are already in submodel order
// with PointCount set, as after a check.
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
    PolygonRecord& p = m.Polygons[i] = PolygonRecord{};
    for (int c : corners) p.Corners[p.CornerCount++] = static_cast<int16_t>(c);
    p.TextureNumber = -1, p.FlatColour = colour;
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

// An empty model: no points, no polygons, `submodels` submodels, every parent the root.
inline std::unique_ptr<ModelStore> EmptyModel(int submodels) {
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    m->NumPoints = 0;
    m->NumSubmodels = static_cast<int16_t>(submodels);
    m->Submodels.fill(SubmodelRecord{});
    m->Submodels[0].Parent = NO_PARENT;
    return m;
}

// A small robot: a box body (root) with a textured front and back and flat sides, and two
// tetrahedral arms as children of the root, one textured and one flat.
inline std::unique_ptr<ModelStore> MakeRobotModel() {
    auto model = EmptyModel(3);
    ModelStore& m = *model;
    for (int i = 0; i < 8; ++i) AddPoint(m, i % 2 ? 1 : -1, i & 2 ? 1 : -1, i & 4 ? 1.5 : -1.5, 0);
    AddTexturedPolygon(m, {0, 2, 3, 1}, 0);
    AddTexturedPolygon(m, {4, 5, 7, 6}, 1);
    for (auto c : {std::array{0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}})
        AddFlatPolygon(m, {c[0], c[1], c[2], c[3]}, c[0] == 2 ? 0x7C00 : DEFAULT_FLAT_COLOUR);
    for (int arm = 1; arm <= 2; ++arm) {
        double side = arm == 1 ? -1 : 1;
        int a = AddPoint(m, side * 2.5, -0.5, -0.5, arm);
        AddPoint(m, side * 1.5, -0.5, -0.5, arm);
        AddPoint(m, side * 2.0, 0.5, -0.5, arm);
        AddPoint(m, side * 2.0, 0.0, 0.75, arm);
        m.Submodels[arm].SortPolygon = m.NumPolygons;
        for (auto t : {std::array{0, 2, 1}, {0, 1, 3}, {1, 2, 3}, {2, 0, 3}})
            arm == 1 ? AddTexturedPolygon(m, {a + t[0], a + t[1], a + t[2]}, 2)
                     : AddFlatPolygon(m, {a + t[0], a + t[1], a + t[2]}, 0x03E0);
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

inline int16_t ShortAt(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b.at(at) | b.at(at + 1) << 8);
}
inline int32_t LongAt(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int32_t>(uint16_t(ShortAt(b, at)) | uint32_t(ShortAt(b, at + 2)) << 16);
}
inline FixVector FixAt(const std::vector<uint8_t>& b, size_t at) {
    return {LongAt(b, at), LongAt(b, at + 4), LongAt(b, at + 8)};
}
inline void SetShortAt(std::vector<uint8_t>& b, size_t at, int v) {
    b.at(at) = uint8_t(v & 0xFF);
    b.at(at + 1) = uint8_t((v >> 8) & 0xFF);
}

// The file the writer makes of `m`; the save must succeed.
inline std::vector<uint8_t> Serialize(ModelStore& m) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(m, bytes), "");
    return bytes;
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A directory of its own for one test's files, removed with everything in it afterwards.
struct TempDir {
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("fw-modelfile-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { std::filesystem::remove_all(path_), std::filesystem::create_directories(path_); }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names of the files in the directory, sorted, to see that no temporary file was left.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// What every command relies on after a read, failed or not.
inline void ExpectConsistentStore(const ModelStore& m) {
    ASSERT_TRUE(m.NumPoints >= 1 && m.NumPoints <= MAX_POINTS) << m.NumPoints;
    ASSERT_TRUE(m.NumPolygons >= 0 && m.NumPolygons <= MAX_POLYGONS) << m.NumPolygons;
    ASSERT_TRUE(m.NumSubmodels >= 1 && m.NumSubmodels <= MAX_SUBMODELS) << m.NumSubmodels;
    for (int i = 0; i < m.NumPolygons; ++i) {
        const PolygonRecord& p = m.Polygons[i];
        ASSERT_TRUE(p.CornerCount >= 0 && p.CornerCount <= MAX_CORNERS) << "polygon " << i;
        for (int j = 0; j < p.CornerCount; ++j)
            ASSERT_TRUE(p.Corners[j] >= 0 && p.Corners[j] < m.NumPoints) << "polygon " << i;
    }
    for (int i = 0; i < m.NumPoints; ++i) ASSERT_LT(m.PointSubmodel[i], MAX_SUBMODELS);
    EXPECT_TRUE(m.CurrentPoint >= 0 && m.CurrentPoint < m.NumPoints);
    EXPECT_TRUE(m.CurrentPolygon >= 0 && m.CurrentPolygon <= std::max<int>(m.NumPolygons - 1, 0));
    EXPECT_TRUE(m.CurrentSubmodel >= 0 && m.CurrentSubmodel < m.NumSubmodels);
    EXPECT_EQ(m.Submodels[0].Parent, NO_PARENT);
}

// Points within `tolerance` in the same submodels; polygons with the same corners, textures,
// flat colours and UVs within `uvTolerance`; the same submodel count and texture window.
inline void ExpectSameMesh(const ModelStore& a, const ModelStore& b, double tolerance,
                           double uvTolerance) {
    EXPECT_EQ(a.NumSubmodels, b.NumSubmodels);
    EXPECT_EQ(a.FirstModelTexture, b.FirstModelTexture);
    EXPECT_EQ(a.NumberOfTextures, b.NumberOfTextures);
    ASSERT_EQ(a.NumPoints, b.NumPoints);
    for (int i = 0; i < a.NumPoints; ++i) {
        for (auto c : {&PointRecord::X, &PointRecord::Y, &PointRecord::Z})
            EXPECT_NEAR(a.Points[i].*c, b.Points[i].*c, tolerance) << "point " << i;
        EXPECT_EQ(a.PointSubmodel[i], b.PointSubmodel[i]) << "point " << i;
    }
    ASSERT_EQ(a.NumPolygons, b.NumPolygons);
    for (int i = 0; i < a.NumPolygons; ++i) {
        const PolygonRecord &p = a.Polygons[i], &q = b.Polygons[i];
        ASSERT_EQ(p.CornerCount, q.CornerCount) << "polygon " << i;
        EXPECT_EQ(p.TextureNumber, q.TextureNumber) << "polygon " << i;
        EXPECT_EQ(p.IsFlat() ? p.FlatColour : 0, q.FlatColour) << "polygon " << i;
        for (int j = 0; j < p.CornerCount; ++j) {
            EXPECT_EQ(p.Corners[j], q.Corners[j]) << i << "/" << j;
            if (p.IsFlat()) continue;
            EXPECT_NEAR(p.CornerUVL[j].U, q.CornerUVL[j].U, uvTolerance) << i << "/" << j;
            EXPECT_NEAR(p.CornerUVL[j].V, q.CornerUVL[j].V, uvTolerance) << i << "/" << j;
        }
    }
}

// Builds interpreter-stream records byte by byte, so tests can make streams the writer
// never would.
struct StreamBytes {
    std::vector<uint8_t> bytes;

    StreamBytes& Short(int v) {
        bytes.push_back(uint8_t(v & 0xFF));
        bytes.push_back(uint8_t((v >> 8) & 0xFF));
        return *this;
    }
    StreamBytes& Long(int32_t v) { return Short(v & 0xFFFF).Short((v >> 16) & 0xFFFF); }
    StreamBytes& Zeros(int count) { return bytes.insert(bytes.end(), count, 0), *this; }
    StreamBytes& Eof() { return Short(0); }
    StreamBytes& DefpStart(int count, int start) {
        return Short(7).Short(count).Short(start).Short(0).Zeros(12 * count);
    }
    // The game's layout: the index list is padded to an odd count.
    StreamBytes& FlatPoly(std::initializer_list<int> corners, int opcode = 2, int colour = 0x4210) {
        int n = static_cast<int>(corners.size());
        Short(opcode).Short(n).Zeros(24).Short(colour);
        for (int c : corners) Short(c);
        if (n % 2 == 0) Short(0);
        return Zeros(opcode == 3 ? 12 * n : 0);
    }
    StreamBytes& TmapPoly(std::initializer_list<int> corners, int texture) {
        return FlatPoly(corners, 3, texture);
    }
    StreamBytes& SortNorm(int front, int back) {
        return Short(4).Zeros(26).Short(front).Short(back);
    }
    StreamBytes& SubCall(int s, int jump) {
        return Short(6).Short(s).Zeros(12).Short(jump).Short(0);
    }
};

// A .pol header (746 bytes) in front of the stream, followed by the two trailer values.
inline std::vector<uint8_t> ModelFileBytes(const StreamBytes& stream, int submodels,
                                           std::initializer_list<int> pointers, int textures) {
    StreamBytes file{{'Z', 'P', 'M', 'F'}};
    file.Long(1).Long(0).Long(submodels).Long(int(stream.bytes.size())).Long(0);
    for (int p : pointers) file.Long(p);
    file.Zeros(742 - int(file.bytes.size())).Short(textures).Short(0);
    file.bytes.insert(file.bytes.end(), stream.bytes.begin(), stream.bytes.end());
    return file.Long(-1).Long(-1).bytes;
}

}  // namespace fw::test
