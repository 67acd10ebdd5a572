// Any bytes as a POF file: the reader stays inside them, its result writes out as a POF that
// reads back the same, and a converted model writes.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ConvertedModelChecks.h"
#include "modelfile/PofFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::PofFile pof;
    if (!fw::ParsePofFile({data, size}, pof).empty()) {
        if (!pof.Stream.empty() || !pof.Submodels.empty()) abort();
        return 0;
    }
    std::vector<uint8_t> written = fw::BuildPofFile(pof);
    fw::PofFile again;
    if (!fw::ParsePofFile(written, again).empty()) abort();
    if (again.Stream != pof.Stream || again.TextureNames != pof.TextureNames ||
        again.Submodels.size() != pof.Submodels.size())
        abort();
    auto m = std::make_unique<fw::ModelStore>();
    std::string summary;
    if (fw::ConvertPof(pof, fw::DefaultTextureNaming(), *m, summary).empty()) {
        fw::fuzz::CheckWrites(*m);
        if (m->FirstModelTexture < 0) abort();
    }
    return 0;
}
