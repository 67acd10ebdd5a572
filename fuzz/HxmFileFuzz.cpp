// Any bytes as a custom robot file: what the reader takes, the writer gives back in the same
// layout, and every model in it converts into a model that writes or is refused.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ConvertedModelChecks.h"
#include "modelfile/GameModelImport.h"
#include "modelfile/HxmFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::HxmFile hxm;
    if (!fw::ParseHxmFile({data, size}, hxm).empty()) {
        if (!hxm.Models.empty() || !hxm.Robots.empty()) abort();
        return 0;
    }
    std::vector<uint8_t> written = fw::BuildHxmFile(hxm);
    // The file may carry bytes after its last table; everything before them is the same.
    if (written.size() > size || !std::equal(written.begin(), written.end(), data)) abort();
    auto m = std::make_unique<fw::ModelStore>();
    for (const fw::HxmModel& entry : hxm.Models) {
        std::string summary;
        if (fw::ConvertGameModel(entry.Model, *m, summary).empty()) fw::fuzz::CheckWrites(*m);
        fw::fuzz::CheckPicture(entry.Model);
    }
    return 0;
}
