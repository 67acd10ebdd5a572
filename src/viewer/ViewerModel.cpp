#include "viewer/ViewerModel.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "modelfile/ByteIO.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamChecker.h"
#include "viewer/StreamInterpreter.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t MAX_FILE_SIZE = 16u << 20;  // far above any model file

Vec3 ToVec3(const FixVector& v) {
    return {static_cast<float>(v.X / FIX_ONE), static_cast<float>(v.Y / FIX_ONE),
            static_cast<float>(v.Z / FIX_ONE)};
}

// Collects the extent of every corner the stream draws.
class BoundsSink : public PolygonSink {
public:
    void Polygon(const StreamPolygon& p) override {
        for (int i = 0; i < p.Count; ++i) {
            const Vec3& c = p.Model[i];
            if (!any) min = max = c, any = true;
            min = {std::min(min.x, c.x), std::min(min.y, c.y), std::min(min.z, c.z)};
            max = {std::max(max.x, c.x), std::max(max.y, c.y), std::max(max.z, c.z)};
        }
    }
    Vec3 min, max;
    bool any = false;
};

}  // namespace

std::string LoadViewerModel(std::span<const uint8_t> file, ViewerModel& out) {
    if (file.size() < 4 || std::memcmp(file.data(), MODEL_FILE_TAG, 4) != 0)
        return NOT_ZPMF_MESSAGE;
    ByteReader in(file);
    int32_t version = 0, submodels = 0, dataSize = 0;
    in.Skip(HeaderOffset::Version);
    if (!in.Long(version)) return READ_ERROR_MESSAGE;
    if (version != MODEL_FILE_VERSION) return UNKNOWN_VERSION_MESSAGE;
    if (file.size() < size_t(MODEL_HEADER_SIZE)) return READ_ERROR_MESSAGE;
    in.Skip(HeaderOffset::NumSubmodels - HeaderOffset::Reserved);
    in.Long(submodels);
    in.Long(dataSize);
    if (submodels < 1 || submodels > MAX_SUBMODELS || dataSize < 0 ||
        int64_t(MODEL_HEADER_SIZE) + dataSize > int64_t(file.size()))
        return READ_ERROR_MESSAGE;

    ViewerModel m;
    m.NumSubmodels = submodels;
    m.Stream.assign(file.begin() + MODEL_HEADER_SIZE, file.begin() + MODEL_HEADER_SIZE + dataSize);
    ByteReader header(file.first(MODEL_HEADER_SIZE));
    FixVector min, max;
    int32_t radius = 0;
    uint8_t textures = 0;
    int16_t first = 0;
    header.Skip(HeaderOffset::ModelMinimum);
    header.Fix(min);
    header.Fix(max);
    header.Long(radius);
    header.Byte(textures);
    header.Short(first);
    m.HeaderMin = ToVec3(min);
    m.HeaderMax = ToVec3(max);
    m.HeaderRadius = static_cast<float>(radius / FIX_ONE);
    m.NumberOfTextures = textures;
    m.FirstTexture = first;

    BoundsSink bounds;
    StreamInterpreter interpreter;
    interpreter.Run(m.Stream, IdentityCamera(), {.Cull = false}, bounds);
    m.HasPolygons = bounds.any;
    m.PolygonMin = bounds.min;
    m.PolygonMax = bounds.max;
    m.Faults = CheckModelFileBytes(file);
    out = std::move(m);
    return "";
}

std::string ReadViewerModelFile(const std::string& path, ViewerModel& out) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return FileNotFoundMessage(path);
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > MAX_FILE_SIZE) return READ_ERROR_MESSAGE;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
        return READ_ERROR_MESSAGE;
    return LoadViewerModel(bytes, out);
}

}  // namespace fw
