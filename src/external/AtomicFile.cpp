#include "external/AtomicFile.h"

#include <fcntl.h>
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

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view text) {
    fs::path target = path;
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return SystemError("Cannot create a temporary file for", target);
    fs::path temp = pattern;
    std::string error;
    if (!WriteFully(fd, text) || ::fsync(fd) != 0) error = SystemError("Cannot write", temp);
    if (::close(fd) != 0 && error.empty()) error = SystemError("Cannot write", temp);

    std::error_code ec;
    if (error.empty()) {
        // mkstemp creates the file private; give it what the old file had, or the usual.
        fs::file_status old = fs::status(target, ec);
        fs::perms perms = fs::exists(old) ? old.permissions() : fs::perms(0644);
        fs::permissions(temp, perms, ec);
        fs::rename(temp, target, ec);
        if (ec) error = "Cannot replace '" + target.string() + "': " + ec.message();
    }
    if (!error.empty()) fs::remove(temp, ec);
    return error;
}

}  // namespace fw
