#include "modelfile/ModelFile.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "external/AtomicFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// Far above the largest model file (about 170 KB); guards against reading a huge file that
// cannot be a model.
constexpr std::uintmax_t MAX_MODEL_FILE_SIZE = 16u << 20;

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

std::string WriteModelFile(const ModelStore& m, const std::string& path, MessageSink* sink) {
    if (path.empty()) return WRITE_ERROR_MESSAGE;
    std::vector<uint8_t> bytes;
    if (std::string error = SerializeModel(m, bytes, sink); !error.empty()) return error;
    // Written beside the target and renamed over it: the target is either the old file or
    // the complete new one.
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::string reason = WriteFileAtomically(path, text);
    return reason.empty() ? "" : WRITE_ERROR_MESSAGE + " " + reason;
}

std::string ReadModelFile(ModelStore& m, const std::string& path, std::string* notice,
                          bool* replaced) {
    if (notice) notice->clear();
    if (replaced) *replaced = false;
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return FileNotFoundMessage(path);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return READ_ERROR_MESSAGE;
    return ParseModel(m, bytes, notice, replaced);
}

}  // namespace fw
