#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "modelfile/ByteIO.h"
#include "modelfile/GameModel.h"

namespace fw {

// Reads the counted tables of the game's data files (HAM, HXM). Every read checks the
// bytes left first; the first failure keeps a message naming the table and the offset, and
// the caller returns it.
class GameDataReader {
public:
    GameDataReader(std::span<const uint8_t> bytes, size_t start);

    size_t Position() const { return in_.Position(); }
    const std::string& Error() const { return error_; }

    bool Long(const std::string& what, int32_t& v);
    bool Short(const std::string& what, int16_t& v);
    // A table's entry count: a Long that must not be negative.
    bool Count(const std::string& what, int32_t& n);
    bool SkipTable(const std::string& what, int32_t count, int entrySize);
    bool Shorts(const std::string& what, int32_t count, std::vector<uint16_t>& out);
    bool Bytes(const std::string& what, size_t count, std::vector<uint8_t>& out);
    // `count` model records, then the streams of all of them (the HAM layout).
    bool Models(int32_t count, std::vector<GameModel>& out);
    // One record followed at once by its stream (the HXM layout).
    bool ModelWithStream(const std::string& what, GameModel& out);

private:
    bool EndsInside(const std::string& what, uint64_t needed);
    bool StreamSize(const std::string& what, const GameModel& m, int32_t& size);

    ByteReader in_;
    std::string error_;
};

}  // namespace fw
