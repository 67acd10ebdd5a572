#include "modelfile/HamFile.h"

#include <cstring>

#include "modelfile/BinaryFile.h"
#include "modelfile/ByteIO.h"
#include "modelfile/GameDataReader.h"

namespace fw {
namespace {

// Sizes of the records the HAM file stores and this reader steps over.
constexpr int TMAP_INFO_SIZE = 20;
constexpr int VCLIP_SIZE = 82;
constexpr int ECLIP_SIZE = 130;
constexpr int WCLIP_SIZE = 126;
constexpr int ROBOT_INFO_SIZE = 480;
constexpr int JOINT_SIZE = 8;
constexpr int WEAPON_INFO_SIZE = 125;
constexpr int POWERUP_INFO_SIZE = 16;
constexpr int PLAYER_SHIP_SIZE = 132;
constexpr int REACTOR_SIZE = 200;

// The real file is about 400 KB.
constexpr std::uintmax_t MAX_HAM_FILE_SIZE = 64u << 20;

std::string ParseTables(GameDataReader& in, HamFile& ham) {
    int32_t n = 0;
    if (!in.Count("texture", n) || !in.Shorts("texture table", n, ham.Textures) ||
        !in.SkipTable("texture information", n, TMAP_INFO_SIZE))
        return in.Error();
    int32_t sounds = 0;
    if (!in.Count("sound", sounds) || !in.SkipTable("sound table", sounds, 2)) return in.Error();
    struct Table {
        const char* Name;
        int Size;
    };
    for (Table t : {Table{"video clip", VCLIP_SIZE},
                    {"effect clip", ECLIP_SIZE},
                    {"wall animation", WCLIP_SIZE},
                    {"robot", ROBOT_INFO_SIZE},
                    {"robot joint", JOINT_SIZE},
                    {"weapon", WEAPON_INFO_SIZE},
                    {"powerup", POWERUP_INFO_SIZE}}) {
        if (!in.Count(t.Name, n) || !in.SkipTable(std::string(t.Name) + " table", n, t.Size))
            return in.Error();
    }
    if (!in.Count("polygon model", n) || !in.Models(n, ham.Models)) return in.Error();
    for (GameModel& m : ham.Models)
        if (!in.Long("dying model number", m.DyingModel)) return in.Error();
    for (GameModel& m : ham.Models)
        if (!in.Long("dead model number", m.DeadModel)) return in.Error();
    if (!in.Count("gauge", n) || !in.SkipTable("gauge table", n, 4)) return in.Error();
    std::vector<uint16_t> pointers;
    if (!in.Count("object bitmap", n) || !in.Shorts("object bitmap table", n, ham.ObjBitmaps) ||
        !in.Shorts("object bitmap pointer table", n, pointers))
        return in.Error();
    ham.ObjBitmapPtrs.assign(pointers.begin(), pointers.end());
    if (!in.SkipTable("player ship", 1, PLAYER_SHIP_SIZE) || !in.Count("cockpit", n) ||
        !in.SkipTable("cockpit table", n, 2) ||
        !in.Long("first multiplayer bitmap", ham.FirstMultiBitmap) || !in.Count("reactor", n) ||
        !in.SkipTable("reactor table", n, REACTOR_SIZE) ||
        !in.Long("marker model number", ham.MarkerModel))
        return in.Error();
    // What follows is the bitmap translation table, which models do not use.
    return "";
}

}  // namespace

std::string ParseHamFile(std::span<const uint8_t> bytes, HamFile& ham) {
    ham = HamFile{};
    if (bytes.size() < 4 || std::memcmp(bytes.data(), "HAM!", 4) != 0)
        return "not a HAM file (it does not start with HAM!)";
    GameDataReader in(bytes, 4);
    if (!in.Long("version", ham.Version)) return in.Error();
    if (ham.Version != HAM_VERSION)
        return "HAM version " + std::to_string(ham.Version) + " is not read; only version " +
               std::to_string(HAM_VERSION) + " (Descent 2) is";
    std::string error = ParseTables(in, ham);
    if (!error.empty()) ham = HamFile{};
    return error;
}

std::string ReadHamFile(const std::string& path, HamFile& ham) {
    ham = HamFile{};
    std::vector<uint8_t> bytes;
    if (std::string error = ReadBinaryFile(path, bytes, MAX_HAM_FILE_SIZE); !error.empty())
        return error;
    std::string error = ParseHamFile(bytes, ham);
    return error.empty() ? "" : path + ": " + error;
}

int ModelTextureBitmap(const HamFile& ham, int model, int t) {
    if (model < 0 || model >= int(ham.Models.size())) return -1;
    ModelRecordFields r = ReadModelRecord(ham.Models[model].Record);
    if (t < 0 || t >= r.NumberOfTextures) return -1;
    int slot = r.FirstTexture + t;
    if (slot >= int(ham.ObjBitmapPtrs.size())) return -1;
    int index = ham.ObjBitmapPtrs[slot];
    if (index < 0 || index >= int(ham.ObjBitmaps.size())) return -1;
    return ham.ObjBitmaps[index];
}

}  // namespace fw
