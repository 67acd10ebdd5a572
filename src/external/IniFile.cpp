#include "external/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "external/AtomicFile.h"
#include "external/IniDocument.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// The suite joins names with AddSlash and "\"; on this platform the path library joins
// them with the native separator.
fs::path IniPath(std::string_view directory, std::string_view file) {
    return fs::path(std::string(directory)) / std::string(file);
}

std::string CannotRead(const fs::path& path, const std::string& reason) {
    return "Cannot read '" + path.string() + "': " + reason + ".";
}

// Far above any settings file of the suite; a larger "settings file" is something else.
constexpr off_t MAX_INI_SIZE = 1 << 20;

// Reads the whole file into `text` ("" for a missing file). Only regular files are read,
// and only up to MAX_INI_SIZE: a link to a device such as /dev/zero would fill memory and a
// pipe would block for ever. Returns "" or why the file cannot be read.
std::string ReadAll(const fs::path& path, std::string& text) {
    text.clear();
    // O_NONBLOCK: opening a pipe must not wait for a writer before it can be refused.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? "" : CannotRead(path, std::strerror(errno));
    struct stat info {};
    std::string problem;
    if (::fstat(fd, &info) != 0)
        problem = CannotRead(path, std::strerror(errno));
    else if (!S_ISREG(info.st_mode))
        problem = CannotRead(path, "not a regular file");
    else if (info.st_size > MAX_INI_SIZE)
        problem = CannotRead(path, "larger than " + std::to_string(MAX_INI_SIZE >> 20) + " MB");
    char buffer[8192];
    while (problem.empty()) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) problem = CannotRead(path, std::strerror(errno));
        if (n <= 0) break;
        text.append(buffer, size_t(n));
        // The file may grow while it is read.
        if (text.size() > size_t(MAX_INI_SIZE)) problem = CannotRead(path, "grew too large");
    }
    ::close(fd);
    if (!problem.empty()) text.clear();
    return problem;
}

}  // namespace

std::string IniRead(std::string_view directory, std::string_view file, std::string_view section,
                    std::string_view key, std::string* problem) {
    std::string text;
    std::string error = ReadAll(IniPath(directory, file), text);
    if (problem) *problem = error;
    return IniDocument(text).Get(section, key).value_or("");
}

std::string IniWrite(std::string_view directory, std::string_view file, std::string_view section,
                     std::string_view key, std::string_view value) {
    fs::path path = IniPath(directory, file);
    std::error_code ec;
    if (!path.parent_path().empty()) {
        fs::create_directories(path.parent_path(), ec);
        if (ec) return "Cannot create '" + path.parent_path().string() + "': " + ec.message();
    }
    std::string text;
    if (std::string error = ReadAll(path, text); !error.empty()) return error;
    IniDocument document(text);
    std::string error = document.Set(section, key, value);
    if (!error.empty()) return error;
    std::string changed = document.Text();
    if (changed == text) return "";
    return WriteFileAtomically(path.string(), changed);
}

}  // namespace fw
