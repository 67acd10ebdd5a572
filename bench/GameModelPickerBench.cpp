// The model list of File, Import for a HAM of 200 models: reading the list when the list
// opens, and drawing one row's picture as it comes into sight. Floors measured in the same
// run: reading the file's bytes, and the viewer drawing the same model from its .pol form.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "GameDataBuilders.h"
#include "modelfile/BinaryFile.h"
#include "modelfile/GameFileModels.h"
#include "viewer/GameModelPicture.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

constexpr int MODELS = 200;

// A closed box of 5 x 5 squares on each face (6 x 36 = 216 points, 150 polygons), the
// size of a game robot, with normals facing out so the renderer culls as the game does.
GameModel BoxModel() {
    test::GameBytes s;
    test::GameBytes::Points points;
    const int n = 6;
    for (int face = 0; face < 6; ++face)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                double a = i * 2.0 / (n - 1) - 1, b = j * 2.0 / (n - 1) - 1;
                double side = face % 2 ? -1 : 1;
                std::array<double, 3> p{};
                p[face / 2] = side, p[(face / 2 + 1) % 3] = a, p[(face / 2 + 2) % 3] = b;
                points.push_back(p);
            }
    s.DefpStart(0, points);
    for (int face = 0; face < 6; ++face) {
        double side = face % 2 ? -1 : 1;
        std::array<double, 3> normal{};
        normal[face / 2] = side;
        for (int i = 0; i + 1 < n; ++i)
            for (int j = 0; j + 1 < n; ++j) {
                int c = face * n * n + i * n + j;
                std::vector<int> corners = {c, c + n, c + n + 1, c + 1};
                if (side < 0) std::reverse(corners.begin() + 1, corners.end());
                s.Short(2).Short(4).Vec(points[c][0], points[c][1], points[c][2]);
                s.Vec(normal[0], normal[1], normal[2]).Short(0x1234 + face);
                for (int k : corners) s.Short(k);
                s.Short(0);
            }
    }
    s.Eof();
    ModelRecordFields f;
    f.NumSubmodels = 1;
    f.Parents.fill(255);
    return test::MakeGameModel(f, s.bytes);
}

struct HamOnDisk {
    fs::path path = fs::temp_directory_path() / ("fw-bench-" + std::to_string(::getpid()) + ".ham");
    HamOnDisk() {
        test::HamBuilder ham;
        ham.Models.assign(MODELS, BoxModel());
        std::vector<uint8_t> bytes = ham.Build();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ~HamOnDisk() { fs::remove(path); }
};

void BM_PickerReadsTheList(benchmark::State& state) {
    HamOnDisk ham;
    std::vector<GameFileModel> models;
    for (auto _ : state) {
        ReadGameFileModels(ham.path.string(), models);
        benchmark::DoNotOptimize(models.data());
    }
    state.counters["models"] = double(models.size());
}
BENCHMARK(BM_PickerReadsTheList)->Unit(benchmark::kMillisecond);

// Floor: the file's bytes, read once.
void BM_PickerReadFloor(benchmark::State& state) {
    HamOnDisk ham;
    std::vector<uint8_t> bytes;
    for (auto _ : state) {
        ReadBinaryFile(ham.path.string(), bytes, 64u << 20);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PickerReadFloor)->Unit(benchmark::kMillisecond);

void BM_PickerDrawsOnePicture(benchmark::State& state) {
    GameModel model = BoxModel();
    PlaceholderTextures textures;
    FrameBuffer frame;
    for (auto _ : state) {
        RenderGameModelPicture(model, 64, textures, frame);
        benchmark::DoNotOptimize(frame.Data());
    }
}
BENCHMARK(BM_PickerDrawsOnePicture)->Unit(benchmark::kMicrosecond);

// Floor: the viewer drawing the model it has already loaded, at the same size.
void BM_PickerDrawFloor(benchmark::State& state) {
    ViewerModel viewer;
    ViewerModelFromGame(BoxModel(), viewer);
    PlaceholderTextures textures;
    FrameBuffer frame;
    frame.Resize(64, 64);
    ViewerRenderer renderer;
    for (auto _ : state) {
        renderer.Render(viewer, ViewAngles{}, RenderOptions{}, textures, frame);
        benchmark::DoNotOptimize(frame.Data());
    }
}
BENCHMARK(BM_PickerDrawFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fw
