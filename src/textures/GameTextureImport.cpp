#include "textures/GameTextureImport.h"

#include <cstdio>
#include <system_error>
#include <vector>

#include "external/AtomicDirectory.h"
#include "external/SuiteStrings.h"
#include "modelfile/BinaryFile.h"
#include "modelfile/HamFile.h"
#include "textures/Palette.h"
#include "textures/PigFile.h"
#include "textures/PlaceholderThumbnails.h"
#include "textures/TextureCatalogue.h"
#include "textures/Thumbnail.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// Far above any file of the game; keeps a wrong folder from filling memory.
constexpr std::uintmax_t MAX_GAME_FILE = 256u << 20;

struct GameFile {
    fs::path Path;
    std::vector<uint8_t> Bytes;
};

// Finds `name` in `folder` ignoring case (the game's files are often upper case) and reads
// it. Returns "" or the message.
std::string ReadGameFile(const fs::path& folder, const std::string& name, GameFile& file) {
    std::error_code ec;
    const std::string wanted = UpperCase(name);
    fs::path found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& candidate = it->path();
        // Of several spellings, the first in byte order, so the choice does not vary.
        if (UpperCase(candidate.filename().string()) == wanted &&
            (found.empty() || candidate < found))
            found = candidate;
    }
    if (ec) return "Cannot read the folder " + folder.string() + ".";
    if (found.empty()) return name + " not found in " + folder.string() + ".";
    file.Path = found;
    return ReadBinaryFile(found.string(), file.Bytes, MAX_GAME_FILE);
}

// Nearest-pixel scaling to 64 x 64, sampling at the centre of each target pixel.
void ScaleToThumbnail(const PigBitmap& bitmap, ThumbnailIndices& out) {
    out.fill(0);
    if (bitmap.Width == 0 || bitmap.Height == 0) return;
    for (int y = 0; y < THUMBNAIL_SIDE; ++y) {
        const size_t sy = size_t(2 * y + 1) * size_t(bitmap.Height) / (2 * THUMBNAIL_SIDE);
        for (int x = 0; x < THUMBNAIL_SIDE; ++x) {
            const size_t sx = size_t(2 * x + 1) * size_t(bitmap.Width) / (2 * THUMBNAIL_SIDE);
            out[size_t(y * THUMBNAIL_SIDE + x)] = bitmap.Pixels[sy * size_t(bitmap.Width) + sx];
        }
    }
}

// A line of the name list that reads back as one name: no line breaks inside, not taken for
// a comment or an empty line.
std::string NameLine(std::string name) {
    for (char& c : name)
        if (uint8_t(c) < 32 || c == 127) c = '?';
    if (name.empty()) return "?";
    if (name[0] == ';') name[0] = '_';
    return name;
}

// The HAM's table entry for slot s: the PIG bitmap number, or 0 when the table has none.
int SlotBitmap(const HamFile& ham, int slot) {
    if (size_t(slot) > ham.ObjBitmapPtrs.size()) return 0;
    const int pointer = ham.ObjBitmapPtrs[size_t(slot) - 1];
    if (pointer < 0 || size_t(pointer) >= ham.ObjBitmaps.size()) return 0;
    return ham.ObjBitmaps[size_t(pointer)];
}

}  // namespace

std::string PlaceholderName(int slot) {
    char name[16];
    std::snprintf(name, sizeof name, "slot%03d", slot);
    return name;
}

std::string ImportGameTextures(const fs::path& gameDirectory, const fs::path& catalogueDirectory,
                               TextureImportReport* report) {
    std::error_code ec;
    if (!fs::is_directory(gameDirectory, ec)) return gameDirectory.string() + " is not a folder.";
    GameFile hamFile, pigFile, paletteFile;
    for (auto [name, file] : {std::pair{"descent2.ham", &hamFile},
                              {"groupa.pig", &pigFile},
                              {"groupa.256", &paletteFile}})
        if (std::string error = ReadGameFile(gameDirectory, name, *file); !error.empty())
            return error;

    Palette256 palette;
    if (std::string error = ReadPalette(paletteFile.Bytes, palette); !error.empty())
        return paletteFile.Path.string() + ": " + error;
    HamFile ham;
    if (std::string error = ParseHamFile(hamFile.Bytes, ham); !error.empty())
        return hamFile.Path.string() + ": " + error;
    PigFile pig;
    if (std::string error = ReadPigHeaders(pigFile.Bytes, pig); !error.empty())
        return pigFile.Path.string() + ": " + error;

    TextureImportReport counts;
    std::string names = "; Texture names read from " + NameLine(gameDirectory.string()) + "\n";
    std::vector<uint8_t> pictures(THUMBNAIL_COUNT * THUMBNAIL_BYTES);
    for (int slot = 1; slot <= THUMBNAIL_COUNT; ++slot) {
        auto picture = std::span<uint8_t, THUMBNAIL_BYTES>(
            pictures.data() + size_t(slot - 1) * THUMBNAIL_BYTES, THUMBNAIL_BYTES);
        const int index = SlotBitmap(ham, slot);
        if (index < 1 || size_t(index) > pig.Bitmaps.size()) {
            names += PlaceholderName(slot) + "\n";
            auto placeholder = PlaceholderThumbnails().subspan(size_t(slot - 1) * THUMBNAIL_BYTES,
                                                               THUMBNAIL_BYTES);
            std::copy(placeholder.begin(), placeholder.end(), picture.begin());
            ++counts.Placeholders;
            continue;
        }
        PigBitmap bitmap;
        if (std::string error = DecodePigBitmap(pig, index, bitmap); !error.empty())
            return pigFile.Path.string() + ": " + error;
        Palette256 colours = palette;
        if (bitmap.Flags & pig_flag::TRANSPARENT) colours[255] = {};
        if (bitmap.Flags & pig_flag::SUPER_TRANSPARENT) colours[254] = {};
        ThumbnailIndices pixels;
        ScaleToThumbnail(bitmap, pixels);
        EncodeThumbnail(colours, pixels, picture);
        names += NameLine(pig.Bitmaps[size_t(index) - 1].GameName()) + "\n";
        ++counts.GameTextures;
    }

    std::string error = ReplaceDirectory(catalogueDirectory.string(), [&](const std::string& dir) {
        if (std::string e = WriteNewFile(dir + "/" + CATALOGUE_NAMES_FILE, names); !e.empty())
            return e;
        return WriteNewFile(
            dir + "/" + CATALOGUE_THUMBNAILS_FILE,
            std::string_view(reinterpret_cast<const char*>(pictures.data()), pictures.size()));
    });
    if (error.empty() && report) *report = counts;
    return error;
}

}  // namespace fw
