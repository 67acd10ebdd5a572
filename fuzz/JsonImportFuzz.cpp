// JSON import on any text: no exception escapes, a refusal gives a message and leaves the
// store as it was, an accepted model is the same whatever the store held, exports and
// imports back to the same model, and is either refused by the writer with a message or
// written as a file that passes the stream check.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/TextureWindow.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ModelJson.h"
#include "modelfile/StreamChecker.h"

using namespace fw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto empty = fuzz::NewStore();
    static const auto busy = fuzz::BusyStore();
    std::string text(reinterpret_cast<const char*>(data), size);
    // Kept between runs: the sanitizer's allocator maps and unmaps stores this large.
    static auto a = std::make_unique<ModelStore>(), b = std::make_unique<ModelStore>();
    *a = *empty;
    *b = *busy;
    std::string resultA = ImportModelJsonText(text, *a);
    std::string resultB = ImportModelJsonText(text, *b);
    FW_CHECK(resultA == resultB, resultA + " / " + resultB);
    if (!resultA.empty()) {
        fuzz::CheckMessage(resultA);
        FW_CHECK(fuzz::SameStore(*a, *empty) && fuzz::SameStore(*b, *busy), resultA);
        return 0;
    }
    FW_CHECK(fuzz::SameStore(*a, *b), "");
    fuzz::CheckConsistent(*a);
    FW_CHECK(TextureWindowError(*a).empty(), "");

    static auto again = std::make_unique<ModelStore>();
    *again = *empty;
    std::string exported = ExportModelJson(*a).dump();
    std::string error = ImportModelJsonText(exported, *again);
    FW_CHECK(error.empty(), error);
    FW_CHECK(SameModelContent(*a, *again), exported);

    std::vector<uint8_t> file;
    error = SerializeModel(*a, file);
    if (!error.empty()) {
        fuzz::CheckMessage(error);
        return 0;
    }
    auto faults = CheckModelFileBytes(file);
    FW_CHECK(faults.empty(), faults.empty() ? "" : faults.front());
    return 0;
}
