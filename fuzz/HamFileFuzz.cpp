// Any bytes as descent2.ham: the reader never reads past them, a refused file leaves nothing
// behind, and every model it yields either converts into a model that writes or is refused.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ConvertedModelChecks.h"
#include "modelfile/GameModelImport.h"
#include "modelfile/HamFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto ham = std::make_unique<fw::HamFile>();
    if (!fw::ParseHamFile({data, size}, *ham).empty()) {
        if (!ham->Models.empty() || !ham->ObjBitmaps.empty()) abort();
        return 0;
    }
    if (ham->ObjBitmaps.size() != ham->ObjBitmapPtrs.size()) abort();
    auto m = std::make_unique<fw::ModelStore>();
    for (const fw::GameModel& model : ham->Models) {
        if (model.Record.size() != size_t(fw::GAME_MODEL_RECORD_SIZE)) abort();
        fw::fuzz::CheckPicture(model);
        std::string summary;
        if (fw::ConvertGameModel(model, *m, summary).empty()) {
            if (summary.empty()) abort();
            fw::fuzz::CheckWrites(*m);
        } else if (!summary.empty()) {
            abort();
        }
    }
    return 0;
}
