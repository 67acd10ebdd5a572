#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"
#include "modelfile/ModelFile.h"

namespace fw::test {

inline int32_t LongAt(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int32_t>(uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 |
                                uint32_t(b.at(at + 2)) << 16 | uint32_t(b.at(at + 3)) << 24);
}
inline int16_t ShortAt(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b.at(at) | b.at(at + 1) << 8);
}
inline FixVector FixAt(const std::vector<uint8_t>& b, size_t at) {
    return {LongAt(b, at), LongAt(b, at + 4), LongAt(b, at + 8)};
}
inline void SetShortAt(std::vector<uint8_t>& b, size_t at, int v) {
    b.at(at) = uint8_t(v & 0xFF);
    b.at(at + 1) = uint8_t((v >> 8) & 0xFF);
}
inline void SetLongAt(std::vector<uint8_t>& b, size_t at, int32_t v) {
    SetShortAt(b, at, v & 0xFFFF);
    SetShortAt(b, at + 2, (v >> 16) & 0xFFFF);
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
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A directory of its own for one test's files, removed with everything in it afterwards.
class TempDir {
public:
    TempDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("fw-modelfile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
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

private:
    std::filesystem::path path_;
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

}  // namespace fw::test
