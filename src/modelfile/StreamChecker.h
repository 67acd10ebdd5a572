#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Limits.h"

namespace fw {

// What the header of a model file says about its stream; the checker compares the two.
struct StreamLayout {
    int NumSubmodels = 1;
    int NumberOfTextures = 0;
    std::array<int32_t, MAX_SUBMODELS> SubmodelPointers{};
};

// Walks an interpreter stream the way the game draws it (both branches of every d_sortnorm,
// every d_subcall) and returns one text per fault, in the order met; empty when clean.
std::vector<std::string> CheckStream(std::span<const uint8_t> data, const StreamLayout& layout);

// Checks a whole .pol file: the header fields that describe the stream, then the stream.
std::vector<std::string> CheckModelFileBytes(std::span<const uint8_t> file);

}  // namespace fw
