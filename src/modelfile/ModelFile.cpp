#include "modelfile/ModelFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fw {
namespace {

namespace fs = std::filesystem;

// Far above the largest model file (about 170 KB); guards against reading a huge file that
// cannot be a model.
constexpr std::uintmax_t MAX_MODEL_FILE_SIZE = 16u << 20;

fs::path TempPathBeside(const fs::path& target) {
    fs::path temp = target;
    temp += ".fwsave";
    return temp;
}

bool WriteWholeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    std::error_code ec;
    return out.good() && fs::file_size(path, ec) == bytes.size() && !ec;
}

// Writes beside the target and renames over it, so the target is either the old file or
// the complete new one.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    fs::path target(path);
    fs::path temp = TempPathBeside(target);
    std::error_code ec;
    if (WriteWholeFile(temp, bytes)) {
        fs::rename(temp, target, ec);
        if (!ec) return true;
    }
    fs::remove(temp, ec);
    return false;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > MAX_MODEL_FILE_SIZE) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(size);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
    return in.gcount() == std::streamsize(size);
}

}  // namespace

std::string WriteModelFile(ModelStore& m, const std::string& path, MessageSink* sink) {
    if (path.empty()) return PrepareModelForSave(m, sink);
    std::vector<uint8_t> bytes;
    if (std::string error = SerializeModel(m, bytes, sink); !error.empty()) return error;
    return ReplaceFile(path, bytes) ? "" : WRITE_ERROR_MESSAGE;
}

std::string ReadModelFile(ModelStore& m, const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return FileNotFoundMessage(path);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return READ_ERROR_MESSAGE;
    return ParseModel(m, bytes);
}

}  // namespace fw
