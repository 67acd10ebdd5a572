// Any text as an OBJ file (and, after a NUL byte, its material library): an accepted file
// gives a model that writes, and exporting that model and importing it again keeps it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "ConvertedModelChecks.h"
#include "modelfile/ObjFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* split = std::find(data, data + size, uint8_t(0));
    std::string obj(data, split);
    std::vector<std::string> mtls;
    if (split != data + size) mtls.emplace_back(split + 1, data + size);
    auto m = std::make_unique<fw::ModelStore>();
    std::string summary;
    if (!fw::ParseObj(obj, mtls, {}, *m, summary).empty()) {
        if (!summary.empty()) abort();
        return 0;
    }
    fw::fuzz::CheckWrites(*m);
    fw::ObjText text = fw::BuildObj(*m, "x.mtl", {});
    auto back = std::make_unique<fw::ModelStore>();
    if (!fw::ParseObj(text.Obj, {text.Mtl}, {}, *back, summary).empty()) abort();
    if (back->NumPolygons != m->NumPolygons || back->NumSubmodels != m->NumSubmodels) abort();
    return 0;
}
