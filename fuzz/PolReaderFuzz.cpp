// The .pol reader on any bytes: it ends, leaves a consistent store, gives the same result
// whether the store was empty or held another model, and a refusal of the header leaves
// the store as it was.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzSupport.h"
#include "model/TextureWindow.h"
#include "modelfile/ModelFile.h"

using namespace fw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto empty = fuzz::NewStore();
    static const auto busy = fuzz::BusyStore();
    // Kept between runs: the sanitizer's allocator maps and unmaps stores this large.
    static auto a = std::make_unique<ModelStore>(), b = std::make_unique<ModelStore>();
    *a = *empty;
    *b = *busy;
    std::span<const uint8_t> file(data, size);
    std::string noticeA = "stale", noticeB = "stale";
    std::string resultA = ParseModel(*a, file, &noticeA);
    std::string resultB = ParseModel(*b, file, &noticeB);

    FW_CHECK(resultA == resultB, resultA + " / " + resultB);
    FW_CHECK(noticeA == noticeB, noticeA + " / " + noticeB);
    fuzz::CheckConsistent(*a);
    fuzz::CheckConsistent(*b);
    if (fuzz::SameStore(*b, *busy)) {
        // Refused before anything was read: neither store changed.
        fuzz::CheckMessage(resultA);
        FW_CHECK(fuzz::SameStore(*a, *empty), resultA);
        return 0;
    }
    FW_CHECK(fuzz::SameStore(*a, *b), resultA);
    if (!resultA.empty()) {
        fuzz::CheckMessage(resultA);
        FW_CHECK(noticeA.empty(), noticeA);
        return 0;
    }
    // A model that was read whole.
    FW_CHECK(!a->Modified && a->NumMarkedPoints == 0 && a->NumMarkedPolygons == 0, "");
    FW_CHECK(TextureWindowError(*a).empty(), "");
    for (int i = 0; i < a->NumPolygons; ++i)
        FW_CHECK(a->Polygons[i].CornerCount >= 3, "polygon " + std::to_string(i));
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        int sort = a->Submodels[s].SortPolygon;
        FW_CHECK(sort == 0 || (s < a->NumSubmodels && sort > 0 && sort < a->NumPolygons),
                 "submodel " + std::to_string(s));
    }
    if (!noticeA.empty()) fuzz::CheckMessage(noticeA);
    return 0;
}
