#include "viewer/GameModelPicture.h"

#include <cstring>

#include "modelfile/ByteIO.h"
#include "modelfile/ModelFile.h"

namespace fw {

std::string ViewerModelFromGame(const GameModel& model, ViewerModel& out) {
    if (model.Record.size() != size_t(GAME_MODEL_RECORD_SIZE))
        return "the model record is not " + std::to_string(GAME_MODEL_RECORD_SIZE) + " bytes";
    std::vector<uint8_t> file(RECORD_OFFSET_IN_MODEL_FILE, 0);
    std::memcpy(file.data(), MODEL_FILE_TAG, 4);
    file[HeaderOffset::Version] = uint8_t(MODEL_FILE_VERSION);  // little-endian 1
    file.insert(file.end(), model.Record.begin(), model.Record.end());
    file.insert(file.end(), model.Stream.begin(), model.Stream.end());
    return LoadViewerModel(file, out);
}

std::string RenderGameModelPicture(const GameModel& model, int side, TextureSource& textures,
                                   FrameBuffer& frame) {
    frame.Resize(side, side);
    RenderOptions options;
    ViewerModel viewer;
    if (std::string error = ViewerModelFromGame(model, viewer); !error.empty()) {
        frame.Fill(BackgroundColour(options.Background));  // the renderer paints it otherwise
        return error;
    }
    ViewerRenderer().Render(viewer, ViewAngles{}, options, textures, frame);
    return "";
}

}  // namespace fw
