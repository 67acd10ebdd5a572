#include "external/AtomicDirectory.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

namespace {

std::string SystemError(const std::string& what, const fs::path& path) {
    return what + " '" + path.string() + "': " + std::strerror(errno);
}

// A new empty folder beside `target`, named after it; "" when none could be made.
fs::path MakeSibling(const fs::path& target, const std::string& kind) {
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + "." + kind + ".XXXXXX"))
            .string();
    if (!::mkdtemp(pattern.data())) return {};
    return pattern;
}

// Puts `fresh` where `target` is. Swaps the two in one step where the file system can;
// otherwise moves the old folder aside first and back again if the second rename fails.
std::string PutInPlace(const fs::path& fresh, const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(target, ec))) {
        if (::rename(fresh.c_str(), target.c_str()) != 0)
            return SystemError("Cannot create", target);
        return "";
    }
    if (!fs::is_directory(fs::symlink_status(target, ec)))
        return "Cannot replace '" + target.string() + "': it is not a folder.";
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        fs::remove_all(fresh, ec);  // now the old content
        return "";
    }
    fs::path aside = MakeSibling(target, "old");
    if (aside.empty()) return SystemError("Cannot make a folder beside", target);
    if (::rename(target.c_str(), aside.c_str()) != 0) {
        std::string error = SystemError("Cannot move aside", target);
        fs::remove(aside, ec);
        return error;
    }
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        std::string error = SystemError("Cannot replace", target);
        ::rename(aside.c_str(), target.c_str());
        return error;
    }
    fs::remove_all(aside, ec);
    return "";
}

}  // namespace

std::string ReplaceDirectory(const std::string& path,
                             const std::function<std::string(const std::string& folder)>& fill) {
    fs::path target = fs::absolute(fs::path(path)).lexically_normal();
    if (target.filename().empty()) target = target.parent_path();
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec) return "Cannot create '" + target.parent_path().string() + "': " + ec.message();
    fs::path fresh = MakeSibling(target, "new");
    if (fresh.empty()) return SystemError("Cannot make a folder beside", target);
    fs::permissions(fresh, fs::perms(0755), ec);
    std::string error = fill(fresh.string());
    if (error.empty()) error = PutInPlace(fresh, target);
    if (!error.empty()) fs::remove_all(fresh, ec);
    return error;
}

std::string WriteNewFile(const std::string& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return SystemError("Cannot create", path);
    size_t done = 0;
    std::string error;
    while (done < bytes.size() && error.empty()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            error = SystemError("Cannot write", path);
        else
            done += size_t(n);
    }
    if (error.empty() && ::fsync(fd) != 0) error = SystemError("Cannot write", path);
    if (::close(fd) != 0 && error.empty()) error = SystemError("Cannot write", path);
    return error;
}

}  // namespace fw
