#include "modelfile/TempModelFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

namespace {

// The per-user directory, or an empty path when it is not safely ours.
fs::path PrivateTempDirectory() {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return {};
    fs::path dir = base / ("facetwork-" + std::to_string(getuid()));
    fs::create_directory(dir, ec);
    struct stat info {};
    // lstat: a symbolic link planted under our name must not redirect the copy.
    if (lstat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return {};
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
    return ec ? fs::path{} : dir;
}

}  // namespace

std::string TempModelPath(const std::string& name) {
    fs::path dir = PrivateTempDirectory();
    return dir.empty() ? std::string{} : (dir / name).string();
}

void DeleteTempModelFiles() {
    for (const char* name : {PREVIEW_COPY_NAME, VIEWER_COPY_NAME}) {
        std::string path = TempModelPath(name);
        std::error_code ec;
        if (!path.empty()) fs::remove(path, ec);
    }
}

}  // namespace fw
