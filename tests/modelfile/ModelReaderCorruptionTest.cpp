#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ModelFileTestUtil.h"
#include "TestModels.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::SetLongAt;
using test::SetShortAt;

constexpr size_t D = MODEL_HEADER_SIZE;

std::vector<uint8_t> RobotFile() {
    auto m = test::MakeRobotModel();
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(*m, bytes), "");
    return bytes;
}

// A one-submodel file whose stream is `stream`, with correct sizes around it.
std::vector<uint8_t> FileWithStream(const std::vector<uint8_t>& stream) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 1);
    test::AddPoint(*m, 0, 0, 0, 0);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(*m, bytes), "");
    bytes.resize(D);
    bytes.insert(bytes.end(), stream.begin(), stream.end());
    bytes.insert(bytes.end(), 8, 0xFF);
    SetLongAt(bytes, HeaderOffset::DataSize, int32_t(stream.size()));
    return bytes;
}

std::vector<uint8_t> Shorts(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) {
        out.push_back(uint8_t(v & 0xFF));
        out.push_back(uint8_t((v >> 8) & 0xFF));
    }
    return out;
}

// d_defp_start of `count` points from `start`, all at the origin.
std::vector<uint8_t> Points(int count, int start) {
    auto out = Shorts({d_defp_start, count, start, 0});
    out.insert(out.end(), 12 * std::max(count, 0), 0);
    return out;
}

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> FlatTriangle(int a, int b, int c) {
    return Shorts({d_flatpoly, 3}) + std::vector<uint8_t>(24, 0) + Shorts({0, a, b, c});
}

std::string ReadInto(ModelStore& m, const std::vector<uint8_t>& bytes) {
    std::string message = ParseModel(m, bytes);
    test::ExpectConsistentStore(m);
    return message;
}

TEST(ModelReaderCorruption, DamagedHeadersAreRefusedBeforeTouchingTheModel) {
    const auto good = RobotFile();
    std::vector<std::pair<std::string, std::function<void(std::vector<uint8_t>&)>>> cases = {
        {"short header", [](auto& b) { b.resize(700); }},
        {"tag and version only", [](auto& b) { b.resize(8); }},
        {"data cut short", [](auto& b) { b.resize(b.size() - 20); }},
        {"trailers missing", [](auto& b) { b.resize(b.size() - 4); }},
        {"negative size", [](auto& b) { SetLongAt(b, HeaderOffset::DataSize, -2); }},
        {"huge size", [](auto& b) { SetLongAt(b, HeaderOffset::DataSize, 0x7FFFFFF0); }},
        {"no submodels", [](auto& b) { SetLongAt(b, HeaderOffset::NumSubmodels, 0); }},
        {"eleven submodels", [](auto& b) { SetLongAt(b, HeaderOffset::NumSubmodels, 11); }},
        {"parent 37", [](auto& b) { b[HeaderOffset::Parents + 3] = 37; }},
    };
    for (auto& [name, damage] : cases) {
        auto bytes = good;
        damage(bytes);
        auto m = test::MakeRobotModel();
        const ModelStore before = *m;
        EXPECT_EQ(ReadInto(*m, bytes), "General read error.") << name;
        EXPECT_TRUE(SameModelContent(*m, before)) << name;
    }
}

TEST(ModelReaderCorruption, DamagedStreamsGiveAMessageAndAConsistentModel) {
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> cases = {
        {"corner names no point", Points(3, 0) + FlatTriangle(0, 1, 3) + Shorts({0, 0})},
        {"corner names a point defined nowhere", Points(2, 1) + FlatTriangle(0, 1, 2)},
        {"negative corner", Points(3, 0) + FlatTriangle(0, 1, -1)},
        {"negative corner count",
         Points(3, 0) + Shorts({d_flatpoly, -3}) + std::vector<uint8_t>(26, 0)},
        {"points beyond the table", Points(3, 510)},
        {"negative start", Shorts({d_defp_start, 1, -1, -1}) + std::vector<uint8_t>(12, 0)},
        {"negative point count", Shorts({d_defp_start, -1, 0, 0})},
        {"more point records than submodels", Points(1, 0) + Points(1, 1)},
        {"no points at all", Shorts({0, 0})},
        {"d_defpoints", Points(1, 0) + Shorts({d_defpoints, 0})},
        {"unknown opcode", Points(1, 0) + Shorts({9, 0})},
        {"negative opcode", Points(1, 0) + Shorts({-4, 0})},
        {"polygon past the end", Points(3, 0) + Shorts({d_flatpoly, 3, 0})},
        {"point record past the end", Shorts({d_defp_start, 40, 0, 0})},
        {"sortnorm past the end", Points(1, 0) + Shorts({d_sortnorm, 0})},
        {"odd byte at the end", Points(1, 0) + std::vector<uint8_t>{0}},
    };
    for (const auto& [name, stream] : cases) {
        auto m = test::MakeRobotModel();
        EXPECT_EQ(ReadInto(*m, FileWithStream(stream)), "General read error.") << name;
    }
    // The writer's own records in any order are fine, also ones it never writes.
    auto m = test::MakeRobotModel();
    auto odd = Points(3, 0) + Shorts({d_glow, 1}) + Shorts({d_rodbm}) +
               std::vector<uint8_t>(34, 0) + FlatTriangle(2, 1, 0);
    EXPECT_EQ(ReadInto(*m, FileWithStream(odd)), "");
    EXPECT_EQ(m->NumPolygons, 1);
    EXPECT_EQ(m->CurrentPoint, 2);

    // Polygon 513 does not fit the table.
    std::vector<uint8_t> many = Points(3, 0);
    for (int i = 0; i <= MAX_POLYGONS; ++i) many = many + FlatTriangle(0, 1, 2);
    EXPECT_EQ(ReadInto(*m, FileWithStream(many)), "General read error.");
    EXPECT_EQ(m->NumPolygons, MAX_POLYGONS);
}

// Truncated and randomly damaged copies of real files: the reader always ends, never reads
// outside the data, and leaves a model that every command can work on.
TEST(ModelReaderCorruption, RandomDamageNeverBreaksTheStore) {
    const std::vector<std::vector<uint8_t>> originals = {RobotFile(), [] {
                                                             auto m = test::MakeChainModel(4);
                                                             std::vector<uint8_t> b;
                                                             EXPECT_EQ(SerializeModel(*m, b), "");
                                                             return b;
                                                         }()};
    std::mt19937 random(20261206);
    auto m = std::make_unique<ModelStore>();
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        auto bytes = originals[round % originals.size()];
        switch (random() % 4) {
            case 0:  // truncate anywhere
                bytes.resize(random() % bytes.size());
                break;
            case 1:  // flip bytes in the stream
                for (int k = 1 + random() % 6; k > 0; --k)
                    bytes[D + random() % (bytes.size() - D)] = uint8_t(random());
                break;
            case 2:  // small values in the header, where counts and sizes live
                for (int k = 1 + random() % 3; k > 0; --k)
                    bytes[random() % D] = uint8_t(random() % 16);
                break;
            default:  // a short with a small value where a count or opcode may be
                SetShortAt(bytes, D + 2 * (random() % ((bytes.size() - D) / 2 - 1)),
                           int(random() % 40) - 8);
        }
        std::string message = ParseModel(*m, bytes);
        test::ExpectConsistentStore(*m);
        if (HasFatalFailure()) FAIL() << "round " << round;
        if (message.empty()) {
            ++accepted;
            std::vector<uint8_t> again;
            SerializeModel(*m, again);  // may refuse, must not break
        }
    }
    EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace fw
