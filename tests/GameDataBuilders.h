#pragma once

// Builders for synthetic game data files (HAM, HXM, POF) and model streams, byte by byte in
// the formats' exact layouts, so tests in any folder can make files the game would read.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "modelfile/GameModel.h"

namespace fw::test {

// Little-endian bytes with the interpreter-stream records the game knows.
struct GameBytes {
    std::vector<uint8_t> bytes;

    int Size() const { return static_cast<int>(bytes.size()); }
    GameBytes& Byte(int v) { return bytes.push_back(uint8_t(v & 0xFF)), *this; }
    GameBytes& Short(int v) { return Byte(v).Byte(v >> 8); }
    GameBytes& Long(int32_t v) { return Short(v & 0xFFFF).Short((v >> 16) & 0xFFFF); }
    GameBytes& Fix(double x) { return Long(static_cast<int32_t>(x * 65536)); }
    GameBytes& Vec(double x, double y, double z) { return Fix(x).Fix(y).Fix(z); }
    GameBytes& Zeros(int count) { return bytes.insert(bytes.end(), count, 0), *this; }
    GameBytes& Text(const std::string& s) {
        return bytes.insert(bytes.end(), s.begin(), s.end()), *this;
    }
    GameBytes& Append(const std::vector<uint8_t>& more) {
        return bytes.insert(bytes.end(), more.begin(), more.end()), *this;
    }
    // Overwrites a Short already written, e.g. a jump offset known only later.
    GameBytes& PatchShort(int at, int v) {
        bytes.at(at) = uint8_t(v & 0xFF);
        bytes.at(at + 1) = uint8_t((v >> 8) & 0xFF);
        return *this;
    }

    using Points = std::vector<std::array<double, 3>>;
    GameBytes& Eof() { return Short(0); }
    GameBytes& DefPoints(const Points& points) {
        Short(1).Short(int(points.size()));
        for (const auto& p : points) Vec(p[0], p[1], p[2]);
        return *this;
    }
    GameBytes& DefpStart(int start, const Points& points) {
        Short(7).Short(int(points.size())).Short(start).Short(0);
        for (const auto& p : points) Vec(p[0], p[1], p[2]);
        return *this;
    }
    // The index list is padded to an odd count, as the game reads it.
    GameBytes& FlatPoly(const std::vector<int>& corners, int colour = 0x4210) {
        return Polygon(2, corners, colour, {});
    }
    GameBytes& TmapPoly(const std::vector<int>& corners, int texture,
                        const std::vector<std::pair<double, double>>& uv) {
        return Polygon(3, corners, texture, uv);
    }
    GameBytes& Polygon(int opcode, const std::vector<int>& corners, int colourOrTexture,
                       const std::vector<std::pair<double, double>>& uv) {
        int n = int(corners.size());
        Short(opcode).Short(n).Zeros(24).Short(colourOrTexture);
        for (int c : corners) Short(c);
        if (n % 2 == 0) Short(0);
        for (int j = 0; opcode == 3 && j < n; ++j) {
            auto [u, v] = j < int(uv.size()) ? uv[j] : std::pair{0.0, 0.0};
            Fix(u).Fix(v).Fix(0.5);  // the game's lighting value, which imports drop
        }
        return *this;
    }
    GameBytes& SortNorm(int front, int back) { return Short(4).Zeros(26).Short(front).Short(back); }
    GameBytes& SubCall(int submodel, std::array<double, 3> offset, int jump) {
        return Short(6).Short(submodel).Vec(offset[0], offset[1], offset[2]).Short(jump).Short(0);
    }
    GameBytes& Glow(int index) { return Short(8).Short(index); }
    GameBytes& RodBm(int bitmap) { return Short(5).Short(bitmap).Zeros(32); }
};

// A model record with the given counts; fields not named are zero.
inline std::vector<uint8_t> RecordBytes(const ModelRecordFields& fields) {
    return WriteModelRecord(fields);
}

inline GameModel MakeGameModel(ModelRecordFields fields, const std::vector<uint8_t>& stream,
                               int dying = -1, int dead = -1) {
    fields.DataSize = static_cast<int32_t>(stream.size());
    return GameModel{WriteModelRecord(fields), stream, dying, dead};
}

// A one-submodel model: a triangle and a textured square around the origin, textures
// `first` onwards.
inline GameModel SmallGameModel(int first = 0, int textures = 2) {
    GameBytes s;
    s.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}})
        .FlatPoly({0, 1, 2})
        .TmapPoly({0, 1, 2, 3}, textures - 1, {{0, 0}, {1, 0}, {1, 1}, {0, 1}})
        .Eof();
    ModelRecordFields f;
    f.NumSubmodels = 1;
    f.Parents.fill(255);
    f.NumberOfTextures = static_cast<uint8_t>(textures);
    f.FirstTexture = static_cast<uint16_t>(first);
    return MakeGameModel(f, s.bytes);
}

// A descent2.ham of version 3. Tables the model readers step over are filled with zeros of
// the counted size; the counts can be set so that offsets shift as in the real file.
struct HamBuilder {
    int32_t Version = 3;
    std::vector<uint16_t> Textures{1, 2, 3};
    int32_t Sounds = 5, VClips = 2, EClips = 1, WClips = 1, Robots = 2, Joints = 4, Weapons = 3,
            Powerups = 2, Gauges = 2, Cockpits = 1, Reactors = 1;
    std::vector<GameModel> Models;
    std::vector<uint16_t> ObjBitmaps;
    std::vector<int16_t> ObjBitmapPtrs;
    int32_t FirstMultiBitmap = 7;
    int32_t MarkerModel = -1;
    int TranslationEntries = 3;

    std::vector<uint8_t> Build() const {
        GameBytes b;
        b.Text("HAM!").Long(Version).Long(int32_t(Textures.size()));
        for (uint16_t t : Textures) b.Short(t);
        b.Zeros(20 * int(Textures.size()));
        b.Long(Sounds).Zeros(2 * Sounds);
        b.Long(VClips).Zeros(82 * VClips).Long(EClips).Zeros(130 * EClips);
        b.Long(WClips).Zeros(126 * WClips).Long(Robots).Zeros(480 * Robots);
        b.Long(Joints).Zeros(8 * Joints).Long(Weapons).Zeros(125 * Weapons);
        b.Long(Powerups).Zeros(16 * Powerups);
        b.Long(int32_t(Models.size()));
        for (const GameModel& m : Models) b.Append(m.Record);
        for (const GameModel& m : Models) b.Append(m.Stream);
        for (const GameModel& m : Models) b.Long(m.DyingModel);
        for (const GameModel& m : Models) b.Long(m.DeadModel);
        b.Long(Gauges).Zeros(4 * Gauges);
        b.Long(int32_t(ObjBitmaps.size()));
        for (uint16_t v : ObjBitmaps) b.Short(v);
        for (size_t i = 0; i < ObjBitmaps.size(); ++i)
            b.Short(i < ObjBitmapPtrs.size() ? ObjBitmapPtrs[i] : 0);
        b.Zeros(132).Long(Cockpits).Zeros(2 * Cockpits).Long(FirstMultiBitmap);
        b.Long(Reactors).Zeros(200 * Reactors).Long(MarkerModel);
        for (int i = 0; i < TranslationEntries; ++i) b.Short(i);
        return b.bytes;
    }
};

// A mission's .hxm, written in the order the game's loader reads it.
struct HxmBuilder {
    int32_t Version = 1;
    std::vector<int32_t> Robots;                        // numbers; 480 zero bytes each
    std::vector<int32_t> Joints;                        // numbers; 8 zero bytes each
    std::vector<std::pair<int32_t, GameModel>> Models;  // replaced number and model
    std::vector<std::pair<int32_t, uint16_t>> ObjBitmaps;
    std::vector<std::pair<int32_t, int16_t>> ObjBitmapPtrs;

    std::vector<uint8_t> Build() const {
        GameBytes b;
        b.Text("HMX!").Long(Version).Long(int32_t(Robots.size()));
        for (int32_t n : Robots) b.Long(n).Zeros(480);
        b.Long(int32_t(Joints.size()));
        for (int32_t n : Joints) b.Long(n).Zeros(8);
        b.Long(int32_t(Models.size()));
        for (const auto& [n, m] : Models)
            b.Long(n).Append(m.Record).Append(m.Stream).Long(m.DyingModel).Long(m.DeadModel);
        b.Long(int32_t(ObjBitmaps.size()));
        for (auto [i, v] : ObjBitmaps) b.Long(i).Short(v);
        b.Long(int32_t(ObjBitmapPtrs.size()));
        for (auto [i, v] : ObjBitmapPtrs) b.Long(i).Short(v);
        return b.bytes;
    }
};

// A POF file: the tag, the version and chunks of (id, length, content) in the given order.
struct PofBuilder {
    int16_t Version = 8;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> Chunks;

    PofBuilder& Chunk(const std::string& id, const GameBytes& content) {
        return Chunks.emplace_back(id, content.bytes), *this;
    }
    PofBuilder& Header(int submodels, double radius = 1) {
        return Chunk("OHDR", GameBytes().Long(submodels).Fix(radius).Vec(-1, -1, -1).Vec(1, 1, 1));
    }
    PofBuilder& Submodel(int number, int parent, std::array<double, 3> offset, int dataOffset) {
        return Chunk("SOBJ", GameBytes()
                                 .Short(number)
                                 .Short(parent)
                                 .Vec(0, 0, 1)
                                 .Vec(0, 0, 0)
                                 .Vec(offset[0], offset[1], offset[2])
                                 .Fix(1)
                                 .Long(dataOffset));
    }
    PofBuilder& Textures(const std::vector<std::string>& names) {
        GameBytes c;
        c.Short(int(names.size()));
        for (const std::string& n : names) c.Text(n).Byte(0);
        return Chunk("TXTR", c);
    }
    PofBuilder& Data(const std::vector<uint8_t>& stream) {
        return Chunk("IDTA", GameBytes().Append(stream));
    }

    std::vector<uint8_t> Build() const {
        GameBytes b;
        b.Text("PSPO").Short(Version);
        for (const auto& [id, content] : Chunks)
            b.Text(id).Long(int32_t(content.size())).Append(content);
        return b.bytes;
    }
};

}  // namespace fw::test
