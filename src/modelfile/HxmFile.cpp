#include "modelfile/HxmFile.h"

#include <cstring>

#include "modelfile/BinaryFile.h"
#include "modelfile/ByteIO.h"
#include "modelfile/GameDataReader.h"

namespace fw {
namespace {

constexpr std::uintmax_t MAX_HXM_FILE_SIZE = 64u << 20;

// Reads "count, then count entries of (Long number, fixed-size part)".
template <typename Entry, typename ReadPart>
bool ReadEntries(GameDataReader& in, const std::string& what, std::vector<Entry>& out,
                 ReadPart&& part) {
    int32_t count = 0;
    if (!in.Count(what, count)) return false;
    out.clear();
    for (int32_t i = 0; i < count; ++i) {
        std::string name = what + " " + std::to_string(i);
        Entry e;
        if (!in.Long(name + " number", e.Number) || !part(name, e)) return false;
        out.push_back(std::move(e));
    }
    return true;
}

std::string ParseTables(GameDataReader& in, HxmFile& hxm) {
    bool ok = ReadEntries(in, "robot", hxm.Robots,
                          [&](const std::string& n, HxmRobot& e) {
                              return in.Bytes(n, HXM_ROBOT_INFO_SIZE, e.Info);
                          }) &&
              ReadEntries(in, "joint", hxm.Joints,
                          [&](const std::string& n, HxmJoint& e) {
                              return in.Bytes(n, HXM_JOINT_SIZE, e.Position);
                          }) &&
              ReadEntries(in, "polygon model", hxm.Models, [&](const std::string& n, HxmModel& e) {
                  return in.ModelWithStream(n, e.Model) &&
                         in.Long(n + " dying model number", e.Model.DyingModel) &&
                         in.Long(n + " dead model number", e.Model.DeadModel);
              });
    if (!ok) return in.Error();
    // The texture tables name their slot with an index rather than a number.
    int32_t count = 0;
    if (!in.Count("object bitmap", count)) return in.Error();
    for (int32_t i = 0; i < count; ++i) {
        HxmObjBitmap e;
        int16_t bitmap = 0;
        if (!in.Long("object bitmap index", e.Index) || !in.Short("object bitmap", bitmap))
            return in.Error();
        e.Bitmap = static_cast<uint16_t>(bitmap);
        hxm.ObjBitmaps.push_back(e);
    }
    if (!in.Count("object bitmap pointer", count)) return in.Error();
    for (int32_t i = 0; i < count; ++i) {
        HxmObjBitmapPtr e;
        if (!in.Long("object bitmap pointer index", e.Index) ||
            !in.Short("object bitmap pointer", e.Value))
            return in.Error();
        hxm.ObjBitmapPtrs.push_back(e);
    }
    return "";
}

}  // namespace

std::string ParseHxmFile(std::span<const uint8_t> bytes, HxmFile& hxm) {
    hxm = HxmFile{};
    if (bytes.size() < 4 || std::memcmp(bytes.data(), HXM_TAG, 4) != 0)
        return "not a custom robot file (it does not start with HMX!)";
    GameDataReader in(bytes, 4);
    if (!in.Long("version", hxm.Version)) return in.Error();
    if (hxm.Version < 1) {
        std::string error = "HXM version " + std::to_string(hxm.Version) + " is too old";
        hxm = HxmFile{};
        return error;
    }
    std::string error = ParseTables(in, hxm);
    if (!error.empty()) hxm = HxmFile{};
    return error;
}

std::string ReadHxmFile(const std::string& path, HxmFile& hxm) {
    hxm = HxmFile{};
    std::vector<uint8_t> bytes;
    if (std::string error = ReadBinaryFile(path, bytes, MAX_HXM_FILE_SIZE); !error.empty())
        return error;
    std::string error = ParseHxmFile(bytes, hxm);
    return error.empty() ? "" : path + ": " + error;
}

std::vector<uint8_t> BuildHxmFile(const HxmFile& hxm) {
    std::vector<uint8_t> out(HXM_TAG, HXM_TAG + 4);
    AppendLong(out, hxm.Version);
    AppendLong(out, static_cast<int32_t>(hxm.Robots.size()));
    for (const HxmRobot& r : hxm.Robots) {
        AppendLong(out, r.Number);
        std::vector<uint8_t> info = r.Info;
        info.resize(HXM_ROBOT_INFO_SIZE);
        out.insert(out.end(), info.begin(), info.end());
    }
    AppendLong(out, static_cast<int32_t>(hxm.Joints.size()));
    for (const HxmJoint& j : hxm.Joints) {
        AppendLong(out, j.Number);
        std::vector<uint8_t> position = j.Position;
        position.resize(HXM_JOINT_SIZE);
        out.insert(out.end(), position.begin(), position.end());
    }
    AppendLong(out, static_cast<int32_t>(hxm.Models.size()));
    for (const HxmModel& m : hxm.Models) {
        AppendLong(out, m.Number);
        out.insert(out.end(), m.Model.Record.begin(), m.Model.Record.end());
        out.insert(out.end(), m.Model.Stream.begin(), m.Model.Stream.end());
        AppendLong(out, m.Model.DyingModel);
        AppendLong(out, m.Model.DeadModel);
    }
    AppendLong(out, static_cast<int32_t>(hxm.ObjBitmaps.size()));
    for (const HxmObjBitmap& b : hxm.ObjBitmaps) {
        AppendLong(out, b.Index);
        AppendShort(out, static_cast<int16_t>(b.Bitmap));
    }
    AppendLong(out, static_cast<int32_t>(hxm.ObjBitmapPtrs.size()));
    for (const HxmObjBitmapPtr& p : hxm.ObjBitmapPtrs) {
        AppendLong(out, p.Index);
        AppendShort(out, p.Value);
    }
    return out;
}

const HxmModel* FindHxmModel(const HxmFile& hxm, int number) {
    for (const HxmModel& m : hxm.Models)
        if (m.Number == number) return &m;
    return nullptr;
}

}  // namespace fw
