#pragma once

#include <span>
#include <string_view>
#include <string>

#include "modelfile/ExchangeFormats.h"

namespace fw {

// Every model format the editor reads or writes, one entry each: the editor's own .pol
// first, its JSON form, then the game's formats and OBJ. The file choosers, the File menu's
// Import and Export and the command-line tool are built from this list; a new format is one
// more entry. Writers never change the model they write.
std::span<const ModelFormat> FileFormats();

// The format of a file, by its extension (any case); null when none fits.
const ModelFormat* FormatForPath(const std::string& path);

// True when `path` ends in `extension` (".obj", lower case), in any letter case.
bool HasExtension(const std::string& path, std::string_view extension);

}  // namespace fw
