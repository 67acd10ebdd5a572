#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// Slots 0..599 of the name table; slot 0 is never filled.
inline constexpr int TEXTURE_SLOTS = 600;
inline constexpr int TEXTURE_NAME_LENGTH = 8;

// Game texture names by slot. A filled slot holds exactly 8 characters; an empty string marks
// a slot that holds no name (slot 0, and the slots after the last name of the list).
using TextureNameTable = std::array<std::string, TEXTURE_SLOTS>;

// A failure the program cannot go on after. The window layer shows it in the suite's error
// dialog (code, title, message) and ends; the tool prints it. Empty message: no failure.
struct FatalError {
    std::string Code, Title, Message;
    explicit operator bool() const { return !Message.empty(); }
};

// Reads a name list in pieces of any size, so that a file of any length needs no more memory
// than one name. Lines end at LF, CR LF or a lone CR; a line that is empty or starts with ";"
// is skipped; every other line goes to the next slot, cut or padded with blanks to 8
// characters, without trimming. Lines after the 599th name are read and ignored. A UTF-8 byte
// order mark at the very start is not part of the first line.
class TextureListReader {
public:
    void Feed(std::string_view piece);
    // Ends the last line (which need not have a line end) and hands over the table.
    TextureNameTable Finish();

private:
    void EndLine();

    TextureNameTable table_;
    std::string line_;        // first 8 characters of the line being read
    size_t lineLength_ = 0;   // all of its characters
    int counter_ = 1;         // slot of the next name
    size_t markMatched_ = 0;  // bytes of a byte order mark at the start; 3 once decided
    bool afterCarriageReturn_ = false;
};

// The whole list at once.
TextureNameTable ParseTextureList(std::string_view text);

// The list file the program ships: data/textures.lst in the program directory.
std::filesystem::path TextureListPath(const std::filesystem::path& programDirectory);

// Reads a name list file into `table`. A missing or unreadable file gives the fatal error
// "Data files not found. Reinstall the module." (code "xxx", title "Fatal error") and leaves
// the table as it was.
FatalError LoadTextureNames(const std::filesystem::path& listFile, TextureNameTable& table);

// The name in a slot; "" for an empty slot and for a slot outside 0..599 (callers stay inside).
const std::string& TextureName(const TextureNameTable& table, int slot);

// The name of the model's texture number t: slot FirstModelTexture + t + 1.
const std::string& ModelTextureName(const TextureNameTable& table, const ModelStore& m, int t);

// Empties `list` and adds the names of the model's texture window in order, so that list
// position p is texture number p.
void FillModelTextureList(const TextureNameTable& table, const ModelStore& m,
                          std::vector<std::string>& list);

}  // namespace fw
