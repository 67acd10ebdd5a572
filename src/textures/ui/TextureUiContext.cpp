#include "textures/ui/TextureUiContext.h"

#include <cstring>

#include "textures/TextureCatalogue.h"
#include "textures/Thumbnail.h"

namespace fw {

QImage ModelTextureImage(const TextureCatalogue& catalogue, const ModelStore& m, int t) {
    ThumbnailRgba rgba{};
    if (!DecodeThumbnail(ModelTexturePicture(catalogue, m, t), rgba)) return {};
    QImage image(THUMBNAIL_SIDE, THUMBNAIL_SIDE, QImage::Format_RGBA8888);
    for (int y = 0; y < THUMBNAIL_SIDE; ++y)
        std::memcpy(image.scanLine(y), rgba.data() + size_t(y) * THUMBNAIL_SIDE * 4,
                    THUMBNAIL_SIDE * 4);
    return image;
}

WindowCatalogue LoadWindowCatalogue() {
    CatalogueLoad load = LoadTextureCatalogue(ProgramDirectory(), UserTextureDirectory());
    WindowCatalogue result;
    result.catalogue = std::make_shared<const TextureCatalogue>(std::move(load.Catalogue));
    result.error = load.Error;
    result.notice = QString::fromStdString(load.Notice);
    return result;
}

QString CatalogueName(const TextureCatalogue& catalogue, int slot) {
    return QString::fromStdString(catalogue.Name(slot));
}

ArgValue IntValue(int value) {
    return {value, double(value), std::to_string(value)};
}

ArgValue NumberValue(double value) {
    return {static_cast<int>(value), value, std::to_string(value)};
}

ArgValue WordValue(std::string word) {
    return {0, 0, std::move(word)};
}

}  // namespace fw
