#include "textures/TextureCatalogue.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "textures/PlaceholderThumbnails.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

constexpr size_t ALL_THUMBNAIL_BYTES = THUMBNAIL_COUNT * THUMBNAIL_BYTES;

}  // namespace

TextureCatalogue::TextureCatalogue(TextureNameTable names) : names_(std::move(names)) {}

TextureCatalogue::TextureCatalogue(TextureNameTable names, std::vector<uint8_t> thumbnails)
    : names_(std::move(names)), thumbnails_(std::move(thumbnails)) {
    if (thumbnails_.size() != ALL_THUMBNAIL_BYTES) thumbnails_.clear();
}

std::span<const uint8_t> TextureCatalogue::Thumbnail(int id) const {
    if (id < FIRST_THUMBNAIL_ID || id > LAST_THUMBNAIL_ID) return {};
    std::span<const uint8_t> all =
        Imported() ? std::span<const uint8_t>(thumbnails_) : PlaceholderThumbnails();
    return all.subspan(size_t(id - FIRST_THUMBNAIL_ID) * THUMBNAIL_BYTES, THUMBNAIL_BYTES);
}

std::span<const uint8_t> ModelTexturePicture(const TextureCatalogue& catalogue, const ModelStore& m,
                                             int t) {
    return catalogue.Thumbnail(m.FirstModelTexture + t + FIRST_THUMBNAIL_ID);
}

fs::path UserTextureDirectory() {
    // Relative values are ignored, as the XDG base directory rules ask.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute()) return fs::path(data) / "facetwork" / "textures";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".local" / "share" / "facetwork" / "textures";
    return {};
}

fs::path ProgramDirectory() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : self.parent_path();
}

std::string ReadCatalogueFolder(const fs::path& folder, TextureCatalogue& catalogue) {
    TextureNameTable names;
    if (LoadTextureNames(folder / CATALOGUE_NAMES_FILE, names))
        return "cannot read " + (folder / CATALOGUE_NAMES_FILE).string() + ".";
    const fs::path picturesPath = folder / CATALOGUE_THUMBNAILS_FILE;
    std::error_code ec;
    const auto size = fs::file_size(picturesPath, ec);
    if (ec) return "cannot read " + picturesPath.string() + ".";
    if (size != ALL_THUMBNAIL_BYTES)
        return picturesPath.string() + " is " + std::to_string(size) + " bytes long, not " +
               std::to_string(ALL_THUMBNAIL_BYTES) + ".";
    std::vector<uint8_t> pictures(ALL_THUMBNAIL_BYTES);
    std::ifstream in(picturesPath, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(pictures.data()), std::streamsize(pictures.size())))
        return "cannot read " + picturesPath.string() + ".";
    ThumbnailRgba scratch;
    for (int i = 0; i < THUMBNAIL_COUNT; ++i)
        if (!DecodeThumbnail(std::span(pictures).subspan(i * THUMBNAIL_BYTES, THUMBNAIL_BYTES),
                             scratch))
            return "thumbnail " + std::to_string(FIRST_THUMBNAIL_ID + i) + " in " +
                   picturesPath.string() + " is not a 64 x 64 8-bit picture.";
    catalogue = TextureCatalogue(std::move(names), std::move(pictures));
    return "";
}

CatalogueLoad LoadTextureCatalogue(const fs::path& programDirectory,
                                   const fs::path& userDirectory) {
    CatalogueLoad load;
    TextureNameTable names;
    load.Error = LoadTextureNames(TextureListPath(programDirectory), names);
    if (load.Error) return load;
    load.Catalogue = TextureCatalogue(std::move(names));
    std::error_code ec;
    if (userDirectory.empty() || !fs::exists(userDirectory, ec)) return load;
    if (std::string error = ReadCatalogueFolder(userDirectory, load.Catalogue); !error.empty())
        load.Notice = "The imported textures are not used: " + error;
    return load;
}

}  // namespace fw
