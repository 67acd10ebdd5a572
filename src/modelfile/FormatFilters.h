#pragma once

#include <string>
#include <vector>

#include "modelfile/ExchangeFormats.h"

namespace fw {

// The formats File, Import reads and File, Export writes: every entry of the format table
// that can, apart from the editor's own .pol (Open and Save As handle that).
std::vector<const ModelFormat*> ImportFormats();
std::vector<const ModelFormat*> ExportFormats();

// A file chooser's filter text for `formats`: all of them first, then one filter each, in
// table order ("All supported model files (*.a *.b);;A files (*.a);;B files (*.b)").
std::string FormatFilter(const std::vector<const ModelFormat*>& formats);
inline std::string ImportFilter() {
    return FormatFilter(ImportFormats());
}
inline std::string ExportFilter() {
    return FormatFilter(ExportFormats());
}

// The format of `path` among `formats` (by extension, any case); null when none fits.
const ModelFormat* FormatAmong(const std::vector<const ModelFormat*>& formats,
                               const std::string& path);

// ".a, .b or .c": the extensions of `formats`, for messages.
std::string ExtensionList(const std::vector<const ModelFormat*>& formats);

// A name typed without an extension gets the one of the filter chosen with it, when that
// filter names exactly one ("A files (*.a)"); otherwise the name stays as it is.
std::string WithFilterExtension(const std::string& path, const std::string& selectedFilter);

}  // namespace fw
