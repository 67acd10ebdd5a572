#include <algorithm>
#include <bitset>
#include <cstring>

#include "model/TextureWindow.h"
#include "modelfile/ByteIO.h"
#include "modelfile/ModelFile.h"
#include "modelfile/SortPolygonRecovery.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

// Ancestors whose offsets the reader adds to a point, besides its own submodel's.
constexpr int MAX_ANCESTORS = 4;

struct Header {
    int32_t Reserved = 0, NumSubmodels = 0, DataSize = 0;
    std::array<int32_t, MAX_SUBMODELS> Pointers{};
    std::array<FixVector, MAX_SUBMODELS> Offsets{};
    std::array<uint8_t, MAX_SUBMODELS> Parents{};
    uint8_t NumberOfTextures = 0, SimplerModel = 0;
    int16_t FirstTexture = 0;
};

bool IsMeaningfulParent(uint8_t parent) {
    return parent < MAX_SUBMODELS || parent == NO_PARENT;
}

// Reads and checks the header; "" when the rest of the file can be parsed.
std::string ReadHeader(std::span<const uint8_t> file, Header& h) {
    if (file.size() < 4 || std::memcmp(file.data(), MODEL_FILE_TAG, 4) != 0)
        return NOT_ZPMF_MESSAGE;
    ByteReader in(file);
    int32_t version = 0;
    if (!in.Skip(4) || !in.Long(version)) return READ_ERROR_MESSAGE;
    if (version != MODEL_FILE_VERSION) return UNKNOWN_VERSION_MESSAGE;
    if (file.size() < MODEL_HEADER_SIZE) return READ_ERROR_MESSAGE;
    // The header is complete from here on, so the reads below cannot fail.
    in.Long(h.Reserved);
    in.Long(h.NumSubmodels);
    in.Long(h.DataSize);
    in.Skip(4);  // the model data pointer means nothing in a file
    for (int32_t& p : h.Pointers) in.Long(p);
    for (FixVector& v : h.Offsets) in.Fix(v);
    in.Skip(HeaderOffset::Parents - HeaderOffset::PlaneNormals);
    for (uint8_t& p : h.Parents) in.Byte(p);
    in.Skip(HeaderOffset::NumberOfTextures - HeaderOffset::SubmodelMinima);
    in.Byte(h.NumberOfTextures);
    in.Short(h.FirstTexture);
    in.Byte(h.SimplerModel);

    bool parentsMeaningful =
        std::all_of(h.Parents.begin() + 1, h.Parents.end(), IsMeaningfulParent);
    int64_t needed = int64_t(MODEL_HEADER_SIZE) + h.DataSize + MODEL_TRAILER_SIZE;
    if (h.NumSubmodels < 1 || h.NumSubmodels > MAX_SUBMODELS || h.DataSize < 0 ||
        needed > int64_t(file.size()) || !parentsMeaningful)
        return READ_ERROR_MESSAGE;
    return "";
}

// The k-th d_defp_start in the stream belongs to the submodel with the k-th smallest
// pointer; equal pointers keep table order so that every rank has exactly one submodel.
std::array<int, MAX_SUBMODELS> SubmodelsInPointerOrder(const Header& h) {
    std::array<int, MAX_SUBMODELS> order{};
    for (int i = 0; i < h.NumSubmodels; ++i) {
        int rank = 0;
        for (int j = 0; j < h.NumSubmodels; ++j)
            if (h.Pointers[j] < h.Pointers[i] || (h.Pointers[j] == h.Pointers[i] && j < i)) ++rank;
        order[rank] = i;
    }
    return order;
}

// An empty store for the file to fill: a new model without even its one point. Every
// table slot is cleared, so that what a read leaves does not depend on the model before.
void ClearForLoad(ModelStore& m) {
    m.Polygons.fill(PolygonRecord{});
    m.Submodels.fill(SubmodelRecord{});
    m.PointRemap.fill(0);
    NewModel(m);
    m.NumPoints = 0;
}

void TakeHeader(ModelStore& m, const Header& h) {
    m.HeaderReserved = h.Reserved;
    m.NumSubmodels = static_cast<int16_t>(h.NumSubmodels);
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        const FixVector& v = h.Offsets[s];
        m.Submodels[s].Centre = {v.X / FIX_ONE, v.Y / FIX_ONE, v.Z / FIX_ONE};
        m.Submodels[s].Parent = h.Parents[s];
        m.Submodels[s].FirstPoint = 0;
        m.Submodels[s].PointCount = 0;
    }
    m.Submodels[0].Parent = NO_PARENT;  // the root has none, whatever the file says
    m.NumberOfTextures = std::max<uint8_t>(h.NumberOfTextures, 1);
    m.FirstModelTexture = h.FirstTexture;
    m.SimplerModel = h.SimplerModel;
}

class StreamParser {
public:
    StreamParser(ModelStore& m, const Header& h, std::span<const uint8_t> data)
        : m_(m), in_(data), order_(SubmodelsInPointerOrder(h)), numSubmodels_(h.NumSubmodels) {}

    std::string Parse() {
        while (!in_.AtEnd()) {
            int16_t opcode = 0;
            if (!in_.Short(opcode)) return READ_ERROR_MESSAGE;
            if (std::string error = Record(opcode); !error.empty()) return error;
        }
        return CornersNameDefinedPoints() && m_.NumPoints >= 1 ? "" : READ_ERROR_MESSAGE;
    }

    // A textured record whose number the store cannot hold as a texture, or "".
    const std::string& TextureFault() const { return textureFault_; }

private:
    std::string Record(int16_t opcode) {
        switch (opcode) {
            case d_eof:
                return "";
            case d_flatpoly:
            case d_tmappoly:
                return Polygon(opcode == d_tmappoly);
            case d_sortnorm:
                return Skip(SORTNORM_SIZE);
            case d_rodbm:
                return Skip(RODBM_SIZE);
            case d_subcall:
                return Skip(SUBCALL_SIZE);
            case d_defp_start:
                return Points();
            case d_glow:
                return Skip(GLOW_SIZE);
            default:
                return READ_ERROR_MESSAGE;  // d_defpoints and unknown opcodes
        }
    }

    std::string Skip(int recordSize) { return in_.Skip(recordSize - 2) ? "" : READ_ERROR_MESSAGE; }

    std::string Polygon(bool textured) {
        int16_t n = 0;
        if (!in_.Short(n)) return READ_ERROR_MESSAGE;
        if (n > MAX_CORNERS) return TooManyCornersMessage(n);
        // The game steps over every polygon record as if it had at least 3 corners (its
        // padding rule makes a 2-corner record 2 bytes longer than 30 + 2n), so a shorter
        // polygon cannot be drawn and the records after it would be misread.
        if (n < 3) return TooFewCornersMessage(m_.NumPolygons, n);
        if (m_.NumPolygons >= MAX_POLYGONS) return READ_ERROR_MESSAGE;
        if (in_.Remaining() < size_t(PolygonRecordSize(n, textured) - 4)) return READ_ERROR_MESSAGE;
        PolygonRecord& p = m_.Polygons[m_.NumPolygons];
        p = PolygonRecord{};  // nothing of the previous model may survive in the slot
        int16_t colourOrTexture = 0;
        in_.Skip(24);
        in_.Short(colourOrTexture);
        p.TextureNumber = textured ? colourOrTexture : int16_t(-1);
        // -1 would turn the record into a flat polygon in the store; it is outside the
        // window like any other negative number.
        if (textured && colourOrTexture == -1 && textureFault_.empty())
            textureFault_ = TextureOutsideWindowMessage(m_.NumPolygons, -1, m_.NumberOfTextures);
        p.FlatColour = textured ? int16_t(0) : colourOrTexture;
        p.CornerCount = n;
        for (int j = 0; j < n; ++j) in_.Short(p.Corners[j]);
        if (PolygonNeedsPadding(n)) in_.Skip(2);
        for (int j = 0; textured && j < n; ++j) {
            int32_t u = 0, v = 0, l = 0;
            in_.Long(u);
            in_.Long(v);
            in_.Long(l);
            p.CornerUVL[j] = {float(u / FIX_ONE), float(v / FIX_ONE), float(l / FIX_ONE)};
        }
        ++m_.NumPolygons;
        return "";
    }

    std::string Points() {
        int16_t n = 0;
        int32_t start = 0;
        if (!in_.Short(n) || !in_.Long(start) || defpCount_ >= numSubmodels_ || n < 0 ||
            start < 0 || start > MAX_POINTS - n || in_.Remaining() < size_t(12) * n)
            return READ_ERROR_MESSAGE;
        int s = order_[defpCount_++];
        m_.Submodels[s].FirstPoint = start;
        m_.Submodels[s].PointCount = n;
        Vector origin = OriginOf(s);
        for (int i = start; i < start + n; ++i) {
            FixVector v;
            in_.Fix(v);
            m_.Points[i] = {v.X / FIX_ONE + origin[0], v.Y / FIX_ONE + origin[1],
                            v.Z / FIX_ONE + origin[2]};
            m_.PointSubmodel[i] = static_cast<uint8_t>(s);
            defined_.set(i);
        }
        m_.NumPoints = static_cast<int16_t>(std::max<int>(m_.NumPoints, start + n));
        return "";
    }

    using Vector = std::array<double, 3>;

    // The submodel's own offset plus those of up to four ancestors, up to the root.
    Vector OriginOf(int s) const {
        Vector origin = m_.Submodels[s].Centre;
        int p = m_.Submodels[s].Parent;
        for (int added = 0; added < MAX_ANCESTORS && p < MAX_SUBMODELS; ++added) {
            for (int axis = 0; axis < 3; ++axis) origin[axis] += m_.Submodels[p].Centre[axis];
            if (p == 0) break;
            p = m_.Submodels[p].Parent;
        }
        return origin;
    }

    bool CornersNameDefinedPoints() const {
        for (int i = 0; i < m_.NumPolygons; ++i) {
            const PolygonRecord& p = m_.Polygons[i];
            for (int j = 0; j < p.CornerCount; ++j)
                if (p.Corners[j] < 0 || p.Corners[j] >= MAX_POINTS || !defined_.test(p.Corners[j]))
                    return false;
        }
        return true;
    }

    ModelStore& m_;
    ByteReader in_;
    std::array<int, MAX_SUBMODELS> order_;
    int numSubmodels_;
    int defpCount_ = 0;
    std::bitset<MAX_POINTS> defined_;
    std::string textureFault_;
};

// Marks, sorting polygons and current items of a freshly read model.
void ResetEditingState(ModelStore& m) {
    m.PointMarked.fill(0);
    m.PolygonMarked.fill(0);
    m.NumMarkedPoints = 0;
    m.NumMarkedPolygons = 0;
    for (SubmodelRecord& s : m.Submodels) s.SortPolygon = 0;
    m.CurrentPolygon = 0;
    m.CurrentSubmodel = 0;
    bool firstCorner = m.NumPolygons > 0 && m.Polygons[0].CornerCount > 0;
    m.CurrentPoint = firstCorner ? m.Polygons[0].Corners[0] : int16_t(0);
}

}  // namespace

std::string FileNotFoundMessage(const std::string& path) {
    return "File " + path + " not found.";
}

std::string TooManyCornersMessage(int corners) {
    return "Cannot handle more than 20 sided polygons (is " + std::to_string(corners) + ")";
}

std::string TooFewCornersMessage(int polygon, int corners) {
    return "Polygon " + std::to_string(polygon) + " has " + std::to_string(corners) +
           (corners == 1 ? " corner" : " corners") + "; a polygon needs at least 3.";
}

std::string ParseModel(ModelStore& m, std::span<const uint8_t> file, std::string* notice,
                       bool* replaced) {
    if (notice) notice->clear();
    if (replaced) *replaced = false;
    Header h;
    if (std::string error = ReadHeader(file, h); !error.empty()) return error;
    if (replaced) *replaced = true;
    ClearForLoad(m);
    TakeHeader(m, h);
    auto data = file.subspan(MODEL_HEADER_SIZE, h.DataSize);
    StreamParser parser(m, h, data);
    std::string error = parser.Parse();
    ResetEditingState(m);
    if (!error.empty()) {
        ClampToTables(m);
        return error;
    }
    ByteReader trailers(file.subspan(MODEL_HEADER_SIZE + size_t(h.DataSize)));
    trailers.Long(m.TrailerValue1);
    trailers.Long(m.TrailerValue2);
    std::vector<int> unmatched = RecoverSortPolygons(m, file.first(MODEL_HEADER_SIZE));
    m.Modified = false;
    // The whole model stays loaded, so that the user can correct the texture numbers.
    error = parser.TextureFault().empty() ? TextureWindowError(m) : parser.TextureFault();
    if (notice && error.empty()) *notice = SortPolygonNotice(unmatched);
    return error;
}

}  // namespace fw
