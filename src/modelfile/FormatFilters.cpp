#include "modelfile/FormatFilters.h"

#include <filesystem>

#include "modelfile/FileFormats.h"

namespace fw {

namespace {

// The formats other than the editor's own (the table's first entry) that have a reader (or
// a writer).
template <class Member>
std::vector<const ModelFormat*> OtherFormatsWith(Member ModelFormat::*member) {
    std::vector<const ModelFormat*> formats;
    for (const ModelFormat& f : FileFormats())
        if (f.*member && &f != &FileFormats().front()) formats.push_back(&f);
    return formats;
}

}  // namespace

std::vector<const ModelFormat*> ImportFormats() {
    return OtherFormatsWith(&ModelFormat::Read);
}

std::vector<const ModelFormat*> ExportFormats() {
    return OtherFormatsWith(&ModelFormat::Write);
}

std::string FormatFilter(const std::vector<const ModelFormat*>& formats) {
    std::string patterns, each;
    for (const ModelFormat* f : formats) {
        patterns += (patterns.empty() ? "*" : " *") + std::string(f->Extension);
        each += std::string(";;") + f->Filter;
    }
    return "All supported model files (" + patterns + ")" + each;
}

const ModelFormat* FormatAmong(const std::vector<const ModelFormat*>& formats,
                               const std::string& path) {
    const ModelFormat* format = FormatForPath(path);
    for (const ModelFormat* f : formats)
        if (f == format) return f;
    return nullptr;
}

std::string ExtensionList(const std::vector<const ModelFormat*>& formats) {
    std::string list;
    for (size_t i = 0; i < formats.size(); ++i) {
        if (i > 0) list += i + 1 == formats.size() ? " or " : ", ";
        list += formats[i]->Extension;
    }
    return list;
}

std::string WithFilterExtension(const std::string& path, const std::string& selectedFilter) {
    if (path.empty() || std::filesystem::path(path).has_extension()) return path;
    size_t open = selectedFilter.find("(*.");
    size_t close = selectedFilter.find(')', open);
    if (open == std::string::npos || close == std::string::npos) return path;
    std::string extension = selectedFilter.substr(open + 2, close - open - 2);
    if (extension.find_first_of(" *") != std::string::npos) return path;  // several patterns
    return path + extension;
}

}  // namespace fw
