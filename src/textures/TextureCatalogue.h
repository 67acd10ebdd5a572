#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "textures/TextureNames.h"
#include "textures/Thumbnail.h"

namespace fw {

// What every texture list, dialog and display asks about game textures: the name in a slot
// and the thumbnail with an id (id 100 + s for slot s). Pictures come from an imported
// catalogue when one is in use, else from the built-in placeholders. Cheap to copy when it
// shows the placeholders; an imported one holds its 3 MB of pictures.
class TextureCatalogue {
public:
    // The built-in placeholders, with the given names.
    explicit TextureCatalogue(TextureNameTable names = {});
    // An imported catalogue: names and the THUMBNAIL_COUNT pictures, THUMBNAIL_BYTES each.
    TextureCatalogue(TextureNameTable names, std::vector<uint8_t> thumbnails);

    const TextureNameTable& Names() const { return names_; }
    // The name in a slot (see TextureName).
    const std::string& Name(int slot) const { return TextureName(names_, slot); }
    // The THUMBNAIL_BYTES of a thumbnail; empty when no thumbnail has that id.
    std::span<const uint8_t> Thumbnail(int id) const;
    bool Imported() const { return !thumbnails_.empty(); }

private:
    TextureNameTable names_;
    std::vector<uint8_t> thumbnails_;  // empty: the placeholders
};

// The thumbnail of the model's texture number t: id FirstModelTexture + t + 101.
std::span<const uint8_t> ModelTexturePicture(const TextureCatalogue& catalogue, const ModelStore& m,
                                             int t);

// Files of an imported catalogue folder: the names, and the thumbnails one after another.
inline constexpr const char* CATALOGUE_NAMES_FILE = "textures.lst";
inline constexpr const char* CATALOGUE_THUMBNAILS_FILE = "thumbnails.bin";

// Where an import puts its catalogue: $XDG_DATA_HOME/facetwork/textures, or
// ~/.local/share/facetwork/textures without it. Empty when neither variable is set.
std::filesystem::path UserTextureDirectory();

// The folder of the running executable.
std::filesystem::path ProgramDirectory();

struct CatalogueLoad {
    TextureCatalogue Catalogue;
    FatalError Error;    // the program's name list is missing: the program cannot go on
    std::string Notice;  // why an imported catalogue that exists is not used; "" normally
};

// Start-up: reads data/textures.lst of the program directory (its absence is the fatal
// error), then prefers an imported catalogue in `userDirectory` when it is there and whole.
CatalogueLoad LoadTextureCatalogue(const std::filesystem::path& programDirectory,
                                   const std::filesystem::path& userDirectory);

// Reads an imported catalogue folder; returns "" or what is wrong with it.
std::string ReadCatalogueFolder(const std::filesystem::path& folder, TextureCatalogue& catalogue);

}  // namespace fw
