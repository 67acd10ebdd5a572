// Reading, writing and checking model files: the largest model the stream can carry and
// the shipped sample.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>

#include "modelfile/ModelFile.h"
#include "modelfile/ModelJson.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// Shape of the largest model. Block starts and jumps are 16-bit, so the whole stream is
// kept below 32768 bytes. With 10 submodels and 512 points the fixed part is
// 10 x (8 + 4) + 12 x 512 + 56 x 9 = 6768 bytes, which leaves 25999 for 512 polygons.
// A flat polygon of odd corner count n takes 30 + 2n bytes, a textured one 12n more, so
// corners are cheapest on flat polygons with odd counts: 32 textured triangles (so the UV
// path is measured too), then 163 flat 11-gons and 317 flat 9-gons: 32764 bytes.
constexpr int SUBMODELS = MAX_SUBMODELS;
constexpr int TEXTURED_TRIANGLES = 32;
constexpr int ELEVEN_GONS = 163;
constexpr int NINE_GONS = MAX_POLYGONS - TEXTURED_TRIANGLES - ELEVEN_GONS;

constexpr int DataSize(int elevenGons, int nineGons) {
    int fixed = SUBMODELS * (8 + 4) + 12 * MAX_POINTS + 56 * (SUBMODELS - 1);
    return fixed + TEXTURED_TRIANGLES * (30 + 6 + 36) + elevenGons * (30 + 22) +
           nineGons * (30 + 18);
}
static_assert(DataSize(ELEVEN_GONS, NINE_GONS) == 32764);
static_assert(DataSize(ELEVEN_GONS + 1, NINE_GONS - 1) > 32767, "one more 11-gon would not fit");

// Points of each submodel lie on a circle, so runs of neighbours make convex, planar
// polygons; polygons go round the submodels in turn.
std::unique_ptr<ModelStore> MakeLargestModel() {
    auto model = std::make_unique<ModelStore>();
    ModelStore& m = *model;
    NewModel(m);
    m.NumPoints = MAX_POINTS;
    m.NumSubmodels = SUBMODELS;
    int perSubmodel = MAX_POINTS / SUBMODELS;
    for (int i = 0; i < MAX_POINTS; ++i) {
        int s = std::min(i / perSubmodel, SUBMODELS - 1);
        double angle = 2 * std::numbers::pi * (i - s * perSubmodel) / (perSubmodel + 2);
        m.Points[i] = {8.0 * s + 3 * std::cos(angle), 3 * std::sin(angle), 0.5 * s};
        m.PointSubmodel[i] = static_cast<uint8_t>(s);
    }
    for (int s = 1; s < SUBMODELS; ++s) {
        m.Submodels[s].Parent = static_cast<uint8_t>((s - 1) / 3);
        m.Submodels[s].SortPolygon = static_cast<int16_t>(s);  // polygon s is s's first
    }
    int elevenLeft = ELEVEN_GONS;
    for (int i = 0; i < MAX_POLYGONS; ++i) {
        PolygonRecord& p = m.Polygons[i];
        int s = i % SUBMODELS;
        bool textured = i % (MAX_POLYGONS / TEXTURED_TRIANGLES) == 0;
        p.CornerCount = static_cast<int16_t>(textured ? 3 : elevenLeft-- > 0 ? 11 : 9);
        p.TextureNumber = static_cast<int16_t>(textured ? i % 5 : -1);
        p.FlatColour = textured ? 0 : static_cast<int16_t>(i * 37 % 32768);
        int first = s * perSubmodel + (i / SUBMODELS) % (perSubmodel - 11);
        for (int j = 0; j < p.CornerCount; ++j) {
            p.Corners[j] = static_cast<int16_t>(first + j);
            p.CornerUVL[j] = {0.1f * j, 1 - 0.1f * j, 0};
        }
    }
    m.NumPolygons = MAX_POLYGONS;
    return model;
}

// A directory for the files written while the benchmarks run.
struct BenchDir {
    fs::path path = fs::temp_directory_path() / ("fw-bench-" + std::to_string(::getpid()));
    BenchDir() { fs::create_directories(path); }
    ~BenchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

const fs::path& Dir() {
    static BenchDir dir;
    return dir.path;
}

std::unique_ptr<ModelStore> LoadSample() {
    auto m = std::make_unique<ModelStore>();
    ReadModelFile(*m, (fs::path(FW_SOURCE_DIR) / "examples" / "robot.pol").string());
    return m;
}

std::unique_ptr<ModelStore> Model(int which) {
    return which == 0 ? MakeLargestModel() : LoadSample();
}

const char* Name(int which) {
    return which == 0 ? "largest" : "sample";
}

// The model written once: its bytes, and its path on disk. Fails the benchmark when the
// model cannot be saved or does not pass the stream check.
bool Prepare(benchmark::State& state, ModelStore& m, std::vector<uint8_t>& bytes,
             std::string& path) {
    path = (Dir() / (std::string(Name(state.range(0))) + ".pol")).string();
    std::string error = SerializeModel(m, bytes);
    if (error.empty()) error = WriteModelFile(m, path);
    if (error.empty() && !CheckModelFileBytes(bytes).empty()) error = "stream check failed";
    if (error.empty() && state.range(0) == 0 && bytes.size() != 746 + 32764 + 8)
        error = "unexpected size";
    if (!error.empty()) state.SkipWithError(error.c_str());
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
    return error.empty();
}

void BM_WriteModelFile(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state) benchmark::DoNotOptimize(WriteModelFile(*m, path));
}

void BM_ReadModelFile(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state) benchmark::DoNotOptimize(ReadModelFile(*m, path));
}

void BM_SerializeModel(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state) {
        std::vector<uint8_t> out;
        benchmark::DoNotOptimize(SerializeModel(*m, out));
    }
}

void BM_ParseModel(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state) benchmark::DoNotOptimize(ParseModel(*m, bytes));
}

void BM_CheckModelFileBytes(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state) benchmark::DoNotOptimize(CheckModelFileBytes(bytes));
}

void BM_JsonExportImport(benchmark::State& state) {
    auto m = Model(state.range(0));
    std::vector<uint8_t> bytes;
    std::string path;
    if (!Prepare(state, *m, bytes, path)) return;
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportModelJsonText(ExportModelJson(*m).dump(), *m));
}

// Argument 0: the largest model; 1: the sample robot.
BENCHMARK(BM_WriteModelFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadModelFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SerializeModel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseModel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckModelFileBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JsonExportImport)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fw
