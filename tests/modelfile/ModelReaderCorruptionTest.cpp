#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ModelFileTestUtil.h"
#include "modelfile/GameStreamRecords.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::StreamBytes;

constexpr size_t D = MODEL_HEADER_SIZE;

// A one-submodel file whose stream is `stream`, with correct sizes around it.
auto FileWithStream(const StreamBytes& stream) {
    return test::ModelFileBytes(stream, 1, {0}, 1);
}

std::string ReadInto(ModelStore& m, const std::vector<uint8_t>& bytes, bool* replaced = nullptr) {
    std::string message = ParseModel(m, bytes, nullptr, replaced);
    test::ExpectConsistentStore(m);
    return message;
}

TEST(ModelReaderCorruption, DamagedHeadersAreRefusedBeforeTouchingTheModel) {
    const auto good = test::Serialize(*test::MakeRobotModel());
    const std::string readError = "General read error.", notZpmf = "Not a ZPMF .POL file";
    const std::pair<std::function<void(std::vector<uint8_t>&)>, std::string> cases[] = {
        {[](auto& b) { b[0] = 'X'; }, notZpmf},
        {[](auto& b) { b[HeaderOffset::Version] = 2; }, "Unknown POL file version"},
        {[](auto& b) { b.resize(b.size() - 4); }, readError},                // trailers missing
        {[](auto& b) { b[HeaderOffset::DataSize + 3] = 0x80; }, readError},  // negative size
        {[](auto& b) { b[HeaderOffset::NumSubmodels] = 11; }, readError},
        {[](auto& b) { b[HeaderOffset::Parents + 3] = 37; }, readError},
    };
    auto m = test::MakeRobotModel();
    const ModelStore before = *m;
    for (size_t i = 0; i < std::size(cases); ++i) {
        auto bytes = good;
        cases[i].first(bytes);
        bool replaced = true;
        EXPECT_EQ(ParseModel(*m, bytes, nullptr, &replaced), cases[i].second) << "case " << i;
        EXPECT_FALSE(replaced) << "case " << i;
        EXPECT_TRUE(SameModelContent(*m, before)) << "case " << i;
    }
}

TEST(ModelReaderCorruption, DamagedStreamsGiveAMessageAndAConsistentModel) {
    auto points = [](int count, int start) { return StreamBytes().DefpStart(count, start); };
    const std::pair<std::string, StreamBytes> cases[] = {
        {"corner names no point", points(3, 0).FlatPoly({0, 1, 3}).Eof()},
        {"points beyond the table", points(3, 510)},
        {"no points at all", StreamBytes().Eof()},
        {"polygon past the end", points(3, 0).Short(d_flatpoly).Short(3).Short(0)},
    };
    for (const auto& [name, stream] : cases) {
        auto m = test::MakeRobotModel();
        bool replaced = false;
        EXPECT_EQ(ReadInto(*m, FileWithStream(stream), &replaced), "General read error.") << name;
        EXPECT_TRUE(replaced) << name;  // what was read stays, for the user to see
    }
    // Polygon 513 does not fit the table.
    auto m = test::MakeRobotModel();
    StreamBytes many = points(3, 0);
    for (int i = 0; i <= MAX_POLYGONS; ++i) many.FlatPoly({0, 1, 2});
    EXPECT_EQ(ReadInto(*m, FileWithStream(many)), "General read error.");
    EXPECT_EQ(m->NumPolygons, MAX_POLYGONS);
}

// The game steps over a polygon record as 30 + 2 x (the count rounded down to even, plus
// one) bytes, and 12 more per corner when textured. The writer's sizes agree for every
// count it writes; below 3 corners they would not, and the reader refuses such records.
TEST(ModelReaderCorruption, PolygonRecordsMatchTheGameAndShortOnesAreRefused) {
    for (int n = 3; n <= MAX_CORNERS; ++n) {
        for (int16_t op : {d_flatpoly, d_tmappoly}) {
            StreamBytes record;
            record.Short(op).Short(n);
            EXPECT_EQ(PolygonRecordSize(n, op == d_tmappoly),
                      gamestream::RecordLength(record.bytes, 0))
                << n << " corners, opcode " << op;
        }
    }
    const std::pair<StreamBytes, std::string> cases[] = {
        {StreamBytes().DefpStart(3, 0).FlatPoly({0, 1, 2}).FlatPoly({0, 1}).Eof(),
         "Polygon 1 has 2 corners; a polygon needs at least 3."},
        {StreamBytes().DefpStart(3, 0).TmapPoly({0}, 0).Eof(),
         "Polygon 0 has 1 corner; a polygon needs at least 3."},
        {StreamBytes().DefpStart(3, 0).FlatPoly({}).Eof(),
         "Polygon 0 has 0 corners; a polygon needs at least 3."},
        {StreamBytes().DefpStart(3, 0).Short(d_flatpoly).Short(-3).Zeros(26),
         "Polygon 0 has -3 corners; a polygon needs at least 3."},
    };
    for (const auto& [stream, message] : cases) {
        auto m = test::MakeRobotModel();
        EXPECT_EQ(ReadInto(*m, FileWithStream(stream)), message);
    }
}

// Truncated and randomly damaged copies of real files: the reader always ends, never reads
// outside the data, and leaves a model that every command can work on.
TEST(ModelReaderCorruption, RandomDamageNeverBreaksTheStore) {
    const std::vector<uint8_t> originals[] = {test::Serialize(*test::MakeRobotModel()),
                                              test::Serialize(*test::MakeChainModel(4))};
    std::mt19937 random(20261206);
    auto m = std::make_unique<ModelStore>();
    int accepted = 0;
    for (int round = 0; round < 1000; ++round) {
        auto bytes = originals[round % 2];
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
                test::SetShortAt(bytes, D + 2 * (random() % ((bytes.size() - D) / 2 - 1)),
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
    EXPECT_GT(accepted, 25);
}

}  // namespace
}  // namespace fw
