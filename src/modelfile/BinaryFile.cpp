#include "modelfile/BinaryFile.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "external/AtomicFile.h"
#include "modelfile/ModelFile.h"

namespace fw {

namespace fs = std::filesystem;

std::string ReadBinaryFile(const std::string& path, std::vector<uint8_t>& bytes,
                           std::uintmax_t maxSize) {
    bytes.clear();
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return FileNotFoundMessage(path);
    if (!fs::is_regular_file(path, ec)) return path + " is not a file.";
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return "Cannot read " + path + ".";
    if (size > maxSize)
        return path + " is too large (" + std::to_string(size) + " bytes; at most " +
               std::to_string(maxSize) + ").";
    std::ifstream in(path, std::ios::binary);
    bytes.resize(size);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) {
        bytes.clear();
        return "Cannot read " + path + ".";
    }
    return "";
}

std::string WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return WriteFileAtomically(path, text);
}

}  // namespace fw
