#include "external/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "external/StaleTempFiles.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// Links followed before giving up, as the system does.
constexpr int MAX_LINK_HOPS = 40;

std::string SystemError(const std::string& what, const fs::path& path, int error = errno) {
    return what + " '" + path.string() + "': " + std::strerror(error);
}

bool WriteFully(int fd, std::string_view text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The file a write to `path` replaces: the path itself, or the file its chain of symbolic
// links ends at, so that the link stays a link and the file it names gets the content.
std::string FollowLinks(fs::path& target) {
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return "";
        fs::path link = fs::read_symlink(target, ec);
        if (ec) return "Cannot follow the link '" + target.string() + "': " + ec.message();
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return SystemError("Cannot write", target, ELOOP);
}

// Why an existing target must not be replaced, or "": a folder, a device or pipe, or a
// file the user may not write. Replacing a read-only file by rename would succeed, since
// only the folder's permissions count for that, but would overrule the file's own.
std::string ReplaceProblem(const fs::path& target, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return SystemError("Cannot write", target, EISDIR);
    if (!S_ISREG(info.st_mode)) return "Cannot write '" + target.string() + "': not a regular file";
    if (::access(target.c_str(), W_OK) != 0) return SystemError("Cannot write", target);
    // The administrator passes every access check; a file without any write permission is
    // still meant to stay as it is.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return SystemError("Cannot write", target, EACCES);
    return "";
}

// Makes the rename itself durable.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view text) {
    if (path.empty()) return "No file name given.";
    fs::path target = path;
    if (std::string error = FollowLinks(target); !error.empty()) return error;
    struct stat info {};
    bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return SystemError("Cannot write", target);
    if (exists)
        if (std::string problem = ReplaceProblem(target, info); !problem.empty()) return problem;

    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    RemoveStaleTempFiles(target);
    std::string pattern = (folder / TempFilePattern(target)).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return SystemError("Cannot create a temporary file for", target);
    fs::path temp = pattern;
    // mkstemp creates the file private; give it what the old file had, or the usual.
    mode_t mode = exists ? info.st_mode & 0777 : 0644;
    std::string error;
    if (!WriteFully(fd, text) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        error = SystemError("Cannot write", target);
    if (::close(fd) != 0 && error.empty()) error = SystemError("Cannot write", target);

    std::error_code ec;
    if (error.empty()) {
        fs::rename(temp, target, ec);
        if (ec) error = "Cannot replace '" + target.string() + "': " + ec.message();
    }
    if (!error.empty()) {
        fs::remove(temp, ec);
        return error;
    }
    SyncFolder(folder);
    return "";
}

}  // namespace fw
