#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// One kind of model file the editor reads or writes. Readers replace the store's model and
// return "" or the message for the user; writers never change the model they write.
struct FileFormat {
    std::string_view extension;  // lower case, with the dot: ".pol"
    std::string_view filter;     // file chooser filter: "Descent Models (*.pol)"
    std::function<std::string(ModelStore& m, const std::string& path)> read;  // empty: none
    std::function<std::string(const ModelStore& m, const std::string& path)> write;
};

// Every format, the editor's own .pol first. Import and export menus and the command-line
// tool are built from this list; a new format is one more entry.
const std::vector<FileFormat>& FileFormats();

// The format whose extension `path` ends with (any case), or nullptr.
const FileFormat* FormatForPath(const std::string& path);

}  // namespace fw
