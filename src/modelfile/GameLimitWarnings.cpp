#include "modelfile/GameLimitWarnings.h"

#include <algorithm>

#include "modelfile/GameModel.h"
#include "modelfile/GameModelExport.h"
#include "modelfile/GameStreamRecords.h"
#include "modelfile/ModelFile.h"
#include "modelfile/SubmodelTree.h"

namespace fw {
namespace {

using namespace gamestream;

// The highest point slot any point record defines, stepping through the records in file
// order; -1 when there are none.
int HighestPointSlot(std::span<const uint8_t> d) {
    int highest = -1, size = static_cast<int>(d.size());
    for (int pos = 0; Readable(d, pos);) {
        int len = RecordLength(d, pos);
        if (len < 0 || pos + len > size) break;
        int op = ReadShort(d, pos);
        int count = op == d_defpoints || op == d_defp_start ? ReadShort(d, pos + 2) : 0;
        int first = op == d_defp_start ? ReadShort(d, pos + 4) : 0;
        if (count > 0) highest = std::max(highest, first + count - 1);
        pos += len;
    }
    return highest;
}

}  // namespace

std::vector<std::string> GameLimitWarnings(std::span<const uint8_t> file) {
    std::vector<std::string> warnings;
    if (file.size() < size_t(MODEL_HEADER_SIZE)) return warnings;
    ModelRecordFields r = ReadModelRecord(file.subspan(RECORD_OFFSET_IN_MODEL_FILE));
    if (r.NumberOfTextures > MAX_GAME_MODEL_TEXTURES)
        warnings.push_back("warning: the model uses " + std::to_string(r.NumberOfTextures) +
                           " textures; the game gives a model at most " +
                           std::to_string(MAX_GAME_MODEL_TEXTURES));
    size_t available = file.size() - MODEL_HEADER_SIZE;
    size_t dataSize = r.DataSize < 0 ? 0 : std::min<size_t>(size_t(r.DataSize), available);
    int highest = HighestPointSlot(file.subspan(MODEL_HEADER_SIZE, dataSize));
    if (highest >= MORPH_POINT_SLOTS)
        warnings.push_back("warning: points are defined up to slot " + std::to_string(highest) +
                           "; the game's morph-in effect handles slots below " +
                           std::to_string(MORPH_POINT_SLOTS) +
                           ", so as a robot this model will not morph in");
    int submodels = std::clamp<int>(r.NumSubmodels, 1, MAX_SUBMODELS);
    for (int s = 1; s < submodels; ++s) {
        int depth = 0;
        for (int p = s; p != 0 && depth <= MAX_SUBMODELS; p = r.Parents[p]) {
            if (p >= MAX_SUBMODELS) break;
            ++depth;
        }
        if (depth > MAX_SUBMODEL_DEPTH && depth <= MAX_SUBMODELS) {
            warnings.push_back("warning: submodel " + std::to_string(s) + " is nested " +
                               std::to_string(depth) + " levels below the root; the game's " +
                               "instance stack allows " + std::to_string(MAX_SUBMODEL_DEPTH));
            break;
        }
    }
    return warnings;
}

}  // namespace fw
