#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/EditorHost.h"
#include "model/ModelStore.h"

namespace fw {

// Layout of the .pol file: a fixed header, the interpreter stream, two trailing Longs.
inline constexpr int MODEL_HEADER_SIZE = 746;
inline constexpr int MODEL_TRAILER_SIZE = 8;
inline constexpr char MODEL_FILE_TAG[] = "ZPMF";
inline constexpr int32_t MODEL_FILE_VERSION = 1;

// Offsets of the header fields.
namespace HeaderOffset {
inline constexpr int Tag = 0, Version = 4, Reserved = 8, NumSubmodels = 12, DataSize = 16,
                     DataPointer = 20, SubmodelPointers = 24, SubmodelOffsets = 64,
                     PlaneNormals = 184, PlanePoints = 304, Radii = 424, Parents = 464,
                     SubmodelMinima = 474, SubmodelMaxima = 594, ModelMinimum = 714,
                     ModelMaximum = 726, ModelRadius = 738, NumberOfTextures = 742,
                     FirstTexture = 743, SimplerModel = 745;
}

// Messages of the reader and the writer.
inline const std::string CHECK_FAILED_MESSAGE = "Check/compress failed. Model not saved.";
inline const std::string WRITE_ERROR_MESSAGE = "General write error.";
inline const std::string SIZE_MISMATCH_MESSAGE = "Internal save error: model_data_size incorrect";
inline const std::string NOT_ZPMF_MESSAGE = "Not a ZPMF .POL file";
inline const std::string UNKNOWN_VERSION_MESSAGE = "Unknown POL file version";
inline const std::string READ_ERROR_MESSAGE = "General read error.";
std::string FileNotFoundMessage(const std::string& path);
std::string TooManyCornersMessage(int corners);
std::string TooFewCornersMessage(int polygon, int corners);

// The check that precedes every save, run on the store itself: the submodel check (warning
// box through `sink`), the points brought into submodel order even for a model without
// polygons, and the submodel tree checked. Returns "" when the model can be written.
std::string PrepareModelForSave(ModelStore& m, MessageSink* sink);

// The whole file in memory, written from a prepared copy of the model: the model itself is
// never changed. Fills `out` with header, stream and trailers; on failure `out` is empty.
std::string SerializeModel(const ModelStore& m, std::vector<uint8_t>& out,
                           MessageSink* sink = nullptr);

// Writes the model to `path`: built in memory, written beside the target and then renamed
// over it, so a refused or failed save leaves an existing file as it was. Returns "" on
// success, otherwise the message for the user.
std::string WriteModelFile(const ModelStore& m, const std::string& path,
                           MessageSink* sink = nullptr);

// Replaces the model by the file's contents. Returns "" on success. A file that is not a
// model file of this version leaves the store untouched; any later failure leaves what was
// read up to it, brought into a consistent state (a texture number outside the texture
// window leaves the whole model). `notice`, when given, receives what the user should know
// about a successful read (submodels whose sorting polygon could not be recovered), or "".
// `replaced`, when given, tells whether the store was replaced (all or in part) at all.
std::string ParseModel(ModelStore& m, std::span<const uint8_t> file, std::string* notice = nullptr,
                       bool* replaced = nullptr);
std::string ReadModelFile(ModelStore& m, const std::string& path, std::string* notice = nullptr,
                          bool* replaced = nullptr);

}  // namespace fw
