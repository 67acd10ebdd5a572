#include "external/GameFolder.h"

#include <filesystem>
#include <system_error>

#include "external/SuiteStrings.h"

namespace fw {

namespace fs = std::filesystem;

std::optional<std::string> FindFileNoCase(const std::string& dir, const std::string& name) {
    if (dir.empty()) return std::nullopt;
    std::string wanted = UpperCase(name);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (UpperCase(it->path().filename().string()) != wanted) continue;
        if (it->is_regular_file(ec)) return it->path().string();
    }
    return std::nullopt;
}

bool HasGameTextureFile(const std::string& dir) {
    return FindFileNoCase(dir, "GROUPA.PIG").has_value();
}

}  // namespace fw
