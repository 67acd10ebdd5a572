#include "modelfile/GameDataReader.h"

#include <algorithm>

namespace fw {

GameDataReader::GameDataReader(std::span<const uint8_t> bytes, size_t start) : in_(bytes) {
    in_.Skip(std::min(start, bytes.size()));
}

bool GameDataReader::EndsInside(const std::string& what, uint64_t needed) {
    error_ = "the file ends inside the " + what + " (" + std::to_string(needed) +
             " bytes needed at offset " + std::to_string(in_.Position()) + "; the file has " +
             std::to_string(in_.Size()) + ")";
    return false;
}

bool GameDataReader::Long(const std::string& what, int32_t& v) {
    return in_.Long(v) || EndsInside(what, 4);
}

bool GameDataReader::Short(const std::string& what, int16_t& v) {
    return in_.Short(v) || EndsInside(what, 2);
}

bool GameDataReader::Count(const std::string& what, int32_t& n) {
    size_t at = in_.Position();
    if (!Long(what + " count", n)) return false;
    if (n >= 0) return true;
    error_ = "the " + what + " count at offset " + std::to_string(at) + " is negative (" +
             std::to_string(n) + ")";
    return false;
}

bool GameDataReader::SkipTable(const std::string& what, int32_t count, int entrySize) {
    uint64_t needed = uint64_t(std::max(count, 0)) * uint64_t(entrySize);
    return (needed <= in_.Remaining() && in_.Skip(needed)) || EndsInside(what, needed);
}

bool GameDataReader::Shorts(const std::string& what, int32_t count, std::vector<uint16_t>& out) {
    out.clear();
    uint64_t needed = uint64_t(std::max(count, 0)) * 2;
    if (needed > in_.Remaining()) return EndsInside(what, needed);
    out.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        int16_t v = 0;
        in_.Short(v);
        out.push_back(static_cast<uint16_t>(v));
    }
    return true;
}

bool GameDataReader::Bytes(const std::string& what, size_t count, std::vector<uint8_t>& out) {
    out.clear();
    if (count > in_.Remaining()) return EndsInside(what, count);
    out.resize(count);
    for (uint8_t& b : out) in_.Byte(b);
    return true;
}

bool GameDataReader::StreamSize(const std::string& what, const GameModel& m, int32_t& size) {
    size = ReadModelRecord(m.Record).DataSize;
    if (size >= 0) return true;
    error_ = what + " has a negative data size (" + std::to_string(size) + ")";
    return false;
}

bool GameDataReader::Models(int32_t count, std::vector<GameModel>& out) {
    out.clear();
    uint64_t records = uint64_t(std::max(count, 0)) * GAME_MODEL_RECORD_SIZE;
    if (records > in_.Remaining()) return EndsInside("polygon model records", records);
    out.resize(count);
    for (GameModel& m : out) Bytes("polygon model record", GAME_MODEL_RECORD_SIZE, m.Record);
    for (int32_t i = 0; i < count; ++i) {
        std::string name = "polygon model " + std::to_string(i);
        int32_t size = 0;
        if (!StreamSize(name, out[i], size) || !Bytes(name + " data", size_t(size), out[i].Stream))
            return false;
    }
    return true;
}

bool GameDataReader::ModelWithStream(const std::string& what, GameModel& out) {
    int32_t size = 0;
    return Bytes(what + " record", GAME_MODEL_RECORD_SIZE, out.Record) &&
           StreamSize(what, out, size) && Bytes(what + " data", size_t(size), out.Stream);
}

}  // namespace fw
