// Read, write, read back: whatever the reader accepts, the writer either refuses with a
// message or writes a file that passes the stream check, reads back to the same points,
// polygons and values, and is written again byte for byte the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

#include "FuzzSupport.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamChecker.h"

using namespace fw;

namespace {

// The polygons in an order of their own: the writer groups them by submodel. Two polygons
// may share corners, texture and colour and differ only in their U, V, so those are part of
// the order too (a flat polygon's U, V are not written).
std::vector<PolygonRecord> SortedPolygons(const ModelStore& m) {
    std::vector<PolygonRecord> polygons(m.Polygons.begin(), m.Polygons.begin() + m.NumPolygons);
    auto key = [](const PolygonRecord& p) {
        std::vector<std::pair<float, float>> uv;
        for (int j = 0; !p.IsFlat() && j < p.CornerCount; ++j)
            uv.emplace_back(p.CornerUVL[j].U, p.CornerUVL[j].V);
        return std::tuple(p.Corners, p.CornerCount, p.TextureNumber, p.FlatColour, uv);
    };
    std::sort(polygons.begin(), polygons.end(),
              [&](const auto& x, const auto& y) { return key(x) < key(y); });
    return polygons;
}

void CheckSameModel(const ModelStore& written, const ModelStore& read) {
    FW_CHECK(written.NumPoints == read.NumPoints, "");
    FW_CHECK(written.NumPolygons == read.NumPolygons, "");
    FW_CHECK(written.NumSubmodels == read.NumSubmodels, "");
    for (int i = 0; i < read.NumPoints; ++i) {
        FW_CHECK(written.Points[i] == read.Points[i], "point " + std::to_string(i));
        FW_CHECK(written.PointSubmodel[i] == read.PointSubmodel[i], "point " + std::to_string(i));
    }
    auto a = SortedPolygons(written), b = SortedPolygons(read);
    for (size_t i = 0; i < a.size(); ++i) {
        bool same = a[i].Corners == b[i].Corners && a[i].CornerCount == b[i].CornerCount &&
                    a[i].TextureNumber == b[i].TextureNumber && a[i].FlatColour == b[i].FlatColour;
        for (int j = 0; same && !a[i].IsFlat() && j < a[i].CornerCount; ++j)
            same = a[i].CornerUVL[j].U == b[i].CornerUVL[j].U &&
                   a[i].CornerUVL[j].V == b[i].CornerUVL[j].V;
        FW_CHECK(same, "polygon " + std::to_string(i) + " of the sorted lists");
    }
    for (int s = 1; s < read.NumSubmodels; ++s)
        FW_CHECK(written.Submodels[s].Parent == read.Submodels[s].Parent, std::to_string(s));
    FW_CHECK(written.NumberOfTextures == read.NumberOfTextures ||
                 (written.NumberOfTextures == 0 && read.NumberOfTextures == 1),
             "");
    FW_CHECK(written.FirstModelTexture == read.FirstModelTexture &&
                 written.SimplerModel == read.SimplerModel &&
                 written.HeaderReserved == read.HeaderReserved &&
                 written.TrailerValue1 == read.TrailerValue1 &&
                 written.TrailerValue2 == read.TrailerValue2,
             "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto empty = fuzz::NewStore();
    // Kept between runs: the sanitizer's allocator maps and unmaps stores this large.
    static auto m = std::make_unique<ModelStore>(), back = std::make_unique<ModelStore>();
    *m = *empty;
    if (!ParseModel(*m, std::span(data, size)).empty()) return 0;

    // As Save does: the check and compress step on the model itself, then the write.
    std::vector<uint8_t> written;
    std::string error = PrepareModelForSave(*m, nullptr);
    if (error.empty()) error = SerializeModel(*m, written);
    if (!error.empty()) {
        fuzz::CheckMessage(error);
        FW_CHECK(written.empty(), error);
        return 0;
    }
    auto faults = CheckModelFileBytes(written);
    FW_CHECK(faults.empty(), faults.empty() ? "" : faults.front());

    *back = *empty;
    std::string notice;
    error = ParseModel(*back, written, &notice);
    FW_CHECK(error.empty(), error);
    FW_CHECK(notice.empty(), notice);
    CheckSameModel(*m, *back);

    std::vector<uint8_t> again;
    error = SerializeModel(*back, again);
    FW_CHECK(error.empty(), error);
    FW_CHECK(again == written, "a second save differs from the first");
    return 0;
}
