#pragma once

#include <filesystem>
#include <string>

namespace fw {

struct TextureImportReport {
    int GameTextures = 0;  // slots that show a game bitmap
    int Placeholders = 0;  // slots the game's table does not reach, which keep their placeholder
};

// Makes a texture catalogue from the user's copy of the game: finds descent2.ham, groupa.pig
// and groupa.256 in `gameDirectory` whatever the case of their names, and gives slot s the
// bitmap ObjBitmaps[ObjBitmapPtrs[s - 1]] of the HAM (a bitmap number counting from 1 in the
// PIG), so that a model's texture t is shown as the game draws it. Bitmaps of any size are
// scaled to 64 x 64 (nearest pixel); in transparent ones the see-through colours show black.
// The names and the 599 thumbnails are written to a temporary folder that then replaces
// `catalogueDirectory` as a whole. Returns "" or a message naming the file and what is wrong
// with it; on failure nothing is written.
std::string ImportGameTextures(const std::filesystem::path& gameDirectory,
                               const std::filesystem::path& catalogueDirectory,
                               TextureImportReport* report = nullptr);

// The name the built-in list gives slot s ("slot001" to "slot599").
std::string PlaceholderName(int slot);

}  // namespace fw
