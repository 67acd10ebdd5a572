#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"

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
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("fw-modelfile-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names of the files in the directory, to see that no temporary file was left behind.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

// What every command relies on after a read, failed or not.
inline void ExpectConsistentStore(const ModelStore& m) {
    ASSERT_GE(m.NumPoints, 1);
    ASSERT_LE(m.NumPoints, MAX_POINTS);
    ASSERT_GE(m.NumPolygons, 0);
    ASSERT_LE(m.NumPolygons, MAX_POLYGONS);
    ASSERT_GE(m.NumSubmodels, 1);
    ASSERT_LE(m.NumSubmodels, MAX_SUBMODELS);
    for (int i = 0; i < m.NumPolygons; ++i) {
        const PolygonRecord& p = m.Polygons[i];
        ASSERT_GE(p.CornerCount, 0);
        ASSERT_LE(p.CornerCount, MAX_CORNERS);
        for (int j = 0; j < p.CornerCount; ++j) {
            ASSERT_GE(p.Corners[j], 0);
            ASSERT_LT(p.Corners[j], m.NumPoints);
        }
    }
    for (int i = 0; i < m.NumPoints; ++i) ASSERT_LT(m.PointSubmodel[i], MAX_SUBMODELS);
    EXPECT_GE(m.CurrentPoint, 0);
    EXPECT_LT(m.CurrentPoint, m.NumPoints);
    EXPECT_GE(m.CurrentPolygon, 0);
    EXPECT_LE(m.CurrentPolygon, std::max<int>(m.NumPolygons - 1, 0));
    EXPECT_GE(m.CurrentSubmodel, 0);
    EXPECT_LT(m.CurrentSubmodel, m.NumSubmodels);
    EXPECT_EQ(m.Submodels[0].Parent, NO_PARENT);
}

}  // namespace fw::test
