#include "modelfile/GameModelExport.h"

#include <memory>
#include <vector>

#include "modelfile/ModelFile.h"
#include "modelfile/StreamChecker.h"

namespace fw {

std::string GameModelFromStore(const ModelStore& m, GameModel& out) {
    out = GameModel{};
    auto work = std::make_unique<ModelStore>(m);
    std::vector<uint8_t> file;
    if (std::string error = SerializeModel(*work, file); !error.empty()) return error;
    return GameModelFromModelFile(file, out);
}

std::string GameModelFromModelFile(std::span<const uint8_t> file, GameModel& out) {
    out = GameModel{};
    auto check = std::make_unique<ModelStore>();
    if (std::string error = ParseModel(*check, file); !error.empty()) return error;
    std::vector<std::string> faults = CheckModelFileBytes(file);
    if (!faults.empty())
        return "The model breaks the game's stream rules (" + std::to_string(faults.size()) +
               (faults.size() == 1 ? " fault" : " faults") +
               "; run facetwork-tool check on its .pol file): " + faults.front();
    auto recordStart = file.begin() + RECORD_OFFSET_IN_MODEL_FILE;
    out.Record.assign(recordStart, recordStart + GAME_MODEL_RECORD_SIZE);
    out.Stream.assign(file.begin() + MODEL_HEADER_SIZE, file.end() - MODEL_TRAILER_SIZE);
    // The data pointer means nothing outside a running game.
    ModelRecordFields r = ReadModelRecord(out.Record);
    r.DataPointer = 0;
    out.Record = WriteModelRecord(r);
    return "";
}

std::string CheckGameTextureWindow(int first, int count, const GameLimits& limits) {
    if (count > MAX_GAME_MODEL_TEXTURES)
        return "The model uses " + std::to_string(count) +
               " textures; a game model may use at most " +
               std::to_string(MAX_GAME_MODEL_TEXTURES) + ".";
    if (first < 0 || first + count > limits.ObjBitmapPtrs)
        return "The model's textures " + std::to_string(first) + " to " +
               std::to_string(first + count - 1) + " lie outside the game's " +
               std::to_string(limits.ObjBitmapPtrs) + " object textures (0 to " +
               std::to_string(limits.ObjBitmapPtrs - 1) + ").";
    return "";
}

}  // namespace fw
