#include "external/StaleTempFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view RANDOM_PART = "XXXXXX";  // what mkstemp replaces

// True for the name of a temporary file of `target`: the pattern with its six letters and
// digits filled in.
bool IsTempNameOf(const std::string& name, const std::string& pattern) {
    size_t fixed = pattern.size() - RANDOM_PART.size();
    if (name.size() != pattern.size() || name.compare(0, fixed, pattern, 0, fixed) != 0)
        return false;
    for (size_t i = fixed; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

}  // namespace

std::string TempFilePattern(const fs::path& target) {
    return "." + target.filename().string() + "." + std::string(RANDOM_PART);
}

void RemoveStaleTempFiles(const fs::path& target, std::chrono::seconds age) {
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string pattern = TempFilePattern(target);
    std::time_t limit = std::time(nullptr) - age.count();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!IsTempNameOf(name, pattern)) continue;
        struct stat info {};
        // lstat: a link of that name is not ours to follow or remove.
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || info.st_mtime >= limit)
            continue;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

}  // namespace fw
