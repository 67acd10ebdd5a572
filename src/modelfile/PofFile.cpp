#include "modelfile/PofFile.h"

#include <cstring>

#include "modelfile/BinaryFile.h"
#include "modelfile/ByteIO.h"

namespace fw {
namespace {

constexpr std::uintmax_t MAX_POF_FILE_SIZE = 16u << 20;
constexpr int OHDR_SIZE = 32;
constexpr int SOBJ_SIZE = 48;
constexpr size_t MAX_TEXTURE_NAME = 128;  // the game's name buffer

std::string ChunkName(std::span<const uint8_t> id) {
    std::string name;
    for (uint8_t c : id) name += (c >= 32 && c < 127) ? char(c) : '?';
    return name;
}

class ChunkParser {
public:
    ChunkParser(std::span<const uint8_t> content, const std::string& name, size_t at, PofFile& pof)
        : in_(content), name_(name), at_(at), pof_(pof) {}

    std::string Parse() {
        if (name_ == "OHDR") return Header();
        if (name_ == "SOBJ") return Submodel();
        if (name_ == "GUNS") return Guns();
        if (name_ == "TXTR") return Textures();
        return "";  // ANIM and IDTA are kept whole by the caller; others mean nothing here
    }

private:
    std::string Short() const {
        return "the " + name_ + " chunk at offset " + std::to_string(at_) + " is too short";
    }

    std::string Header() {
        if (!in_.Long(pof_.NumSubmodels) || !in_.Long(pof_.Radius) || !in_.Fix(pof_.Min) ||
            !in_.Fix(pof_.Max))
            return Short();
        if (pof_.NumSubmodels < 1 || pof_.NumSubmodels > MAX_SUBMODELS)
            return "the header names " + std::to_string(pof_.NumSubmodels) +
                   " submodels; a model has 1 to " + std::to_string(MAX_SUBMODELS);
        return "";
    }

    std::string Submodel() {
        PofSubmodel s;
        if (!in_.Short(s.Number) || !in_.Short(s.Parent) || !in_.Fix(s.Normal) ||
            !in_.Fix(s.Point) || !in_.Fix(s.Offset) || !in_.Long(s.Radius) ||
            !in_.Long(s.DataOffset))
            return Short();
        if (s.Number < 0 || s.Number >= MAX_SUBMODELS)
            return "the SOBJ chunk at offset " + std::to_string(at_) + " is for submodel " +
                   std::to_string(s.Number) + "; a model has submodels 0 to " +
                   std::to_string(MAX_SUBMODELS - 1);
        pof_.Submodels.push_back(s);
        return "";
    }

    std::string Guns() {
        int32_t n = 0;
        if (!in_.Long(n)) return Short();
        if (n < 0 || n > 1000) return "the GUNS chunk names " + std::to_string(n) + " guns";
        for (int32_t i = 0; i < n; ++i) {
            PofGun g;
            if (!in_.Short(g.Id) || !in_.Short(g.Submodel) || !in_.Fix(g.Point)) return Short();
            if (pof_.Version >= 7 && !in_.Fix(g.Direction)) return Short();
            pof_.Guns.push_back(g);
        }
        return "";
    }

    std::string Textures() {
        int16_t n = 0;
        if (!in_.Short(n)) return Short();
        if (n < 0) return "the TXTR chunk names a negative number of textures";
        for (int i = 0; i < n; ++i) {
            std::string name;
            uint8_t c = 0;
            for (;;) {
                if (!in_.Byte(c)) return Short();
                if (c == 0) break;
                if (name.size() >= MAX_TEXTURE_NAME)
                    return "texture name " + std::to_string(i) +
                           " in the TXTR chunk is longer than " + std::to_string(MAX_TEXTURE_NAME) +
                           " characters";
                name += char(c);
            }
            pof_.TextureNames.push_back(name);
        }
        return "";
    }

    ByteReader in_;
    std::string name_;
    size_t at_;
    PofFile& pof_;
};

}  // namespace

std::string ParsePofFile(std::span<const uint8_t> bytes, PofFile& pof) {
    pof = PofFile{};
    if (bytes.size() < 4 || std::memcmp(bytes.data(), POF_TAG, 4) != 0)
        return "not a POF file (it does not start with PSPO)";
    ByteReader in(bytes);
    in.Skip(4);
    if (!in.Short(pof.Version)) return "the file ends inside the version";
    if (pof.Version < POF_OLDEST_VERSION || pof.Version > POF_VERSION)
        return "POF version " + std::to_string(pof.Version) + " is not read; versions " +
               std::to_string(POF_OLDEST_VERSION) + " to " + std::to_string(POF_VERSION) + " are";
    bool header = false, stream = false;
    std::string error;
    while (!in.AtEnd() && error.empty()) {
        size_t at = in.Position();
        int32_t length = 0;
        if (in.Remaining() < 8 || !in.Skip(4) || !in.Long(length)) {
            error = "the file ends inside the chunk header at offset " + std::to_string(at);
            break;
        }
        std::string name = ChunkName(bytes.subspan(at, 4));
        if (length < 0 || size_t(length) > in.Remaining()) {
            error = "the " + name + " chunk at offset " + std::to_string(at) + " claims " +
                    std::to_string(length) + " bytes; " + std::to_string(in.Remaining()) +
                    " remain";
            break;
        }
        auto content = bytes.subspan(in.Position(), size_t(length));
        if (name == "ANIM") pof.Animation.assign(content.begin(), content.end());
        if (name == "IDTA") pof.Stream.assign(content.begin(), content.end());
        header |= name == "OHDR";
        stream |= name == "IDTA";
        error = ChunkParser(content, name, at, pof).Parse();
        in.Skip(size_t(length));
    }
    if (error.empty() && !header) error = "the file has no OHDR (header) chunk";
    if (error.empty() && !stream) error = "the file has no IDTA (model data) chunk";
    if (!error.empty()) pof = PofFile{};
    return error;
}

std::string ReadPofFile(const std::string& path, PofFile& pof) {
    pof = PofFile{};
    std::vector<uint8_t> bytes;
    if (std::string error = ReadBinaryFile(path, bytes, MAX_POF_FILE_SIZE); !error.empty())
        return error;
    std::string error = ParsePofFile(bytes, pof);
    return error.empty() ? "" : path + ": " + error;
}

namespace {

void AppendChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& content) {
    out.insert(out.end(), id, id + 4);
    AppendLong(out, static_cast<int32_t>(content.size()));
    out.insert(out.end(), content.begin(), content.end());
}

}  // namespace

std::vector<uint8_t> BuildPofFile(const PofFile& pof) {
    std::vector<uint8_t> out(POF_TAG, POF_TAG + 4);
    AppendShort(out, pof.Version);
    std::vector<uint8_t> c;
    AppendLong(c, pof.NumSubmodels);
    AppendLong(c, pof.Radius);
    AppendFixVector(c, pof.Min);
    AppendFixVector(c, pof.Max);
    AppendChunk(out, "OHDR", c);
    for (const PofSubmodel& s : pof.Submodels) {
        c.clear();
        AppendShort(c, s.Number);
        AppendShort(c, s.Parent);
        AppendFixVector(c, s.Normal);
        AppendFixVector(c, s.Point);
        AppendFixVector(c, s.Offset);
        AppendLong(c, s.Radius);
        AppendLong(c, s.DataOffset);
        AppendChunk(out, "SOBJ", c);
    }
    if (!pof.Guns.empty()) {
        c.clear();
        AppendLong(c, static_cast<int32_t>(pof.Guns.size()));
        for (const PofGun& g : pof.Guns) {
            AppendShort(c, g.Id);
            AppendShort(c, g.Submodel);
            AppendFixVector(c, g.Point);
            if (pof.Version >= 7) AppendFixVector(c, g.Direction);
        }
        AppendChunk(out, "GUNS", c);
    }
    if (!pof.Animation.empty()) AppendChunk(out, "ANIM", pof.Animation);
    c.clear();
    AppendShort(c, static_cast<int16_t>(pof.TextureNames.size()));
    for (const std::string& name : pof.TextureNames) {
        c.insert(c.end(), name.begin(), name.end());
        c.push_back(0);
    }
    AppendChunk(out, "TXTR", c);
    AppendChunk(out, "IDTA", pof.Stream);
    return out;
}

}  // namespace fw
