#include "modelfile/GameModel.h"

#include "modelfile/ByteIO.h"

namespace fw {

ModelRecordFields ReadModelRecord(std::span<const uint8_t> record) {
    ModelRecordFields f;
    ByteReader in(record.first(GAME_MODEL_RECORD_SIZE));
    // The span holds the whole record, so no read below can fail.
    in.Long(f.NumSubmodels);
    in.Long(f.DataSize);
    in.Long(f.DataPointer);
    for (int32_t& p : f.SubmodelPointers) in.Long(p);
    for (FixVector& v : f.Offsets) in.Fix(v);
    for (FixVector& v : f.PlaneNormals) in.Fix(v);
    for (FixVector& v : f.PlanePoints) in.Fix(v);
    for (int32_t& r : f.Radii) in.Long(r);
    for (uint8_t& p : f.Parents) in.Byte(p);
    for (FixVector& v : f.Minima) in.Fix(v);
    for (FixVector& v : f.Maxima) in.Fix(v);
    in.Fix(f.ModelMinimum);
    in.Fix(f.ModelMaximum);
    in.Long(f.ModelRadius);
    in.Byte(f.NumberOfTextures);
    int16_t first = 0;
    in.Short(first);
    f.FirstTexture = static_cast<uint16_t>(first);
    in.Byte(f.SimplerModel);
    return f;
}

std::vector<uint8_t> WriteModelRecord(const ModelRecordFields& f) {
    std::vector<uint8_t> out;
    out.reserve(GAME_MODEL_RECORD_SIZE);
    AppendLong(out, f.NumSubmodels);
    AppendLong(out, f.DataSize);
    AppendLong(out, f.DataPointer);
    for (int32_t p : f.SubmodelPointers) AppendLong(out, p);
    for (const FixVector& v : f.Offsets) AppendFixVector(out, v);
    for (const FixVector& v : f.PlaneNormals) AppendFixVector(out, v);
    for (const FixVector& v : f.PlanePoints) AppendFixVector(out, v);
    for (int32_t r : f.Radii) AppendLong(out, r);
    for (uint8_t p : f.Parents) AppendByte(out, p);
    for (const FixVector& v : f.Minima) AppendFixVector(out, v);
    for (const FixVector& v : f.Maxima) AppendFixVector(out, v);
    AppendFixVector(out, f.ModelMinimum);
    AppendFixVector(out, f.ModelMaximum);
    AppendLong(out, f.ModelRadius);
    AppendByte(out, f.NumberOfTextures);
    AppendShort(out, static_cast<int16_t>(f.FirstTexture));
    AppendByte(out, f.SimplerModel);
    return out;
}

}  // namespace fw
