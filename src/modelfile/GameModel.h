#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/Limits.h"
#include "modelfile/FixedPoint.h"

namespace fw {

// The game's polygon-model record: the same 734 bytes that a .pol header holds after its
// 12-byte tag, version and reserved field.
inline constexpr int GAME_MODEL_RECORD_SIZE = 734;
// Where the record starts inside a .pol file.
inline constexpr int RECORD_OFFSET_IN_MODEL_FILE = 12;

// One model as the game's data files carry it: the record, its interpreter stream, and the
// models the game switches to when the object dies and once it is dead (-1: none).
struct GameModel {
    std::vector<uint8_t> Record;  // GAME_MODEL_RECORD_SIZE bytes
    std::vector<uint8_t> Stream;  // as many bytes as the record's data size says
    int32_t DyingModel = -1;
    int32_t DeadModel = -1;
};

// The record's fields, in file order.
struct ModelRecordFields {
    int32_t NumSubmodels = 0;
    int32_t DataSize = 0;
    int32_t DataPointer = 0;  // meaningless in a file
    std::array<int32_t, MAX_SUBMODELS> SubmodelPointers{};
    std::array<FixVector, MAX_SUBMODELS> Offsets{};
    std::array<FixVector, MAX_SUBMODELS> PlaneNormals{};
    std::array<FixVector, MAX_SUBMODELS> PlanePoints{};
    std::array<int32_t, MAX_SUBMODELS> Radii{};
    std::array<uint8_t, MAX_SUBMODELS> Parents{};
    std::array<FixVector, MAX_SUBMODELS> Minima{};
    std::array<FixVector, MAX_SUBMODELS> Maxima{};
    FixVector ModelMinimum, ModelMaximum;
    int32_t ModelRadius = 0;
    uint8_t NumberOfTextures = 0;
    uint16_t FirstTexture = 0;
    uint8_t SimplerModel = 0;
};

// Decodes a record; `record` must hold at least GAME_MODEL_RECORD_SIZE bytes (only those
// are read).
ModelRecordFields ReadModelRecord(std::span<const uint8_t> record);

// Encodes the fields as the GAME_MODEL_RECORD_SIZE bytes of a record.
std::vector<uint8_t> WriteModelRecord(const ModelRecordFields& fields);

}  // namespace fw
