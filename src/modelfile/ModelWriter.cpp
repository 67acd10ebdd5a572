#include <memory>
#include <string>

#include "model/TextureWindow.h"
#include "modelfile/ByteIO.h"
#include "modelfile/FilePrecision.h"
#include "modelfile/ModelDataWriter.h"
#include "modelfile/ModelFile.h"
#include "modelfile/SubmodelChecker.h"
#include "modelfile/SubmodelTree.h"

namespace fw {
namespace {

struct SubmodelBox {
    FixVector Min, Max;
    int32_t Radius = 0;
};

// The box of a submodel's points relative to its centre; zero for a submodel without points.
SubmodelBox BoxOf(const ModelStore& m, int s, const FixVector& centre, FixRounder& fix) {
    const SubmodelRecord& r = m.Submodels[s];
    if (r.PointCount < 1) return {};
    auto relative = [&](int i) {
        Vector3 p = ToVector(m.Points[i]);
        return Vector3{p[0] * FIX_ONE - centre.X, p[1] * FIX_ONE - centre.Y,
                       p[2] * FIX_ONE - centre.Z};
    };
    Box box{relative(r.FirstPoint), relative(r.FirstPoint)};
    for (int i = r.FirstPoint + 1; i < r.FirstPoint + r.PointCount; ++i) box.Grow(relative(i));
    float radius = static_cast<float>(box.Radius() / FIX_ONE);
    return {fix(box.Min[0], box.Min[1], box.Min[2]), fix(box.Max[0], box.Max[1], box.Max[2]),
            fix(double(radius) * FIX_ONE)};
}

SubmodelBox ModelBox(const ModelStore& m, FixRounder& fix) {
    Box box{ToVector(m.Points[0]), ToVector(m.Points[0])};
    for (int i = 1; i < m.NumPoints; ++i) box.Grow(ToVector(m.Points[i]));
    float radius = static_cast<float>(box.Radius());
    auto scaled = [&](const Vector3& v) {
        return fix(v[0] * FIX_ONE, v[1] * FIX_ONE, v[2] * FIX_ONE);
    };
    return {scaled(box.Min), scaled(box.Max), fix(double(radius) * FIX_ONE)};
}

void WriteHeader(const ModelStore& m, const SaveLayout& layout, FixRounder& fix,
                 std::vector<uint8_t>& out) {
    const int n = m.NumSubmodels;
    auto perSubmodel = [&](auto&& write) {
        for (int s = 0; s < MAX_SUBMODELS; ++s) write(s, s < n);
    };
    out.insert(out.end(), MODEL_FILE_TAG, MODEL_FILE_TAG + 4);
    AppendLong(out, MODEL_FILE_VERSION);
    AppendLong(out, m.HeaderReserved);
    AppendLong(out, n);
    AppendLong(out, layout.DataSize);
    AppendLong(out, 0);
    perSubmodel(
        [&](int s, bool used) { AppendLong(out, used ? layout.Submodels[s].DefpStart : 0); });
    perSubmodel([&](int s, bool used) {
        const SubmodelLayout& b = layout.Submodels[s];
        AppendFixVector(out, used ? fix(double(b.Centre.X) - b.ParentCentre.X,
                                        double(b.Centre.Y) - b.ParentCentre.Y,
                                        double(b.Centre.Z) - b.ParentCentre.Z)
                                  : FixVector{});
    });
    std::array<SeparationPlane, MAX_SUBMODELS> planes{};
    for (int s = 1; s < n; ++s) planes[s] = SeparationPlaneOf(m, s, fix);
    perSubmodel([&](int s, bool) { AppendFixVector(out, planes[s].Normal); });
    perSubmodel([&](int s, bool) {
        AppendFixVector(out,
                        planes[s].Point ? RelativeFix(*planes[s].Point, {}, fix) : FixVector{});
    });
    std::array<SubmodelBox, MAX_SUBMODELS> boxes{};
    for (int s = 0; s < n; ++s) boxes[s] = BoxOf(m, s, layout.Submodels[s].Centre, fix);
    perSubmodel([&](int s, bool) { AppendLong(out, boxes[s].Radius); });
    AppendByte(out, NO_PARENT);
    for (int s = 1; s < MAX_SUBMODELS; ++s) AppendByte(out, m.Submodels[s].Parent);
    perSubmodel([&](int s, bool) { AppendFixVector(out, boxes[s].Min); });
    perSubmodel([&](int s, bool) { AppendFixVector(out, boxes[s].Max); });
    SubmodelBox model = ModelBox(m, fix);
    AppendFixVector(out, model.Min);
    AppendFixVector(out, model.Max);
    AppendLong(out, model.Radius);
    AppendByte(out, m.NumberOfTextures);
    AppendShort(out, m.FirstModelTexture);
    AppendByte(out, m.SimplerModel);
}

// Builds the file from a prepared model; the store gets FirstPoint and Centre.
std::string BuildFile(ModelStore& m, std::vector<uint8_t>& out) {
    SaveLayout layout;
    if (std::string error = PlanModelData(m, layout); !error.empty()) return error;
    FixRounder fix;
    out.reserve(MODEL_HEADER_SIZE + layout.DataSize + MODEL_TRAILER_SIZE);
    WriteHeader(m, layout, fix, out);
    int32_t position = 0;
    WriteModelData(m, layout, fix, out, position);
    AppendLong(out, m.TrailerValue1);
    AppendLong(out, m.TrailerValue2);
    if (fix.Failed()) return WRITE_ERROR_MESSAGE;
    if (position != layout.DataSize ||
        out.size() != size_t(MODEL_HEADER_SIZE) + position + MODEL_TRAILER_SIZE)
        return SIZE_MISMATCH_MESSAGE;
    return "";
}

// The game reads every polygon record as if it had at least 3 corners (its padding rule
// differs for 2), so a shorter polygon would garble the records after it.
std::string CheckCornerCounts(const ModelStore& m) {
    for (int i = 0; i < m.NumPolygons; ++i)
        if (m.Polygons[i].CornerCount < 3)
            return "Polygon " + std::to_string(i) +
                   " has fewer than 3 corners. Delete it first. Model not saved.";
    return "";
}

}  // namespace

std::string PrepareModelForSave(ModelStore& m, MessageSink* sink) {
    if (std::string error = CheckCornerCounts(m); !error.empty()) return error;
    if (std::string error = TextureWindowError(m); !error.empty())
        return error + " Model not saved.";
    if (!CheckAndCompress(m, sink)) return CHECK_FAILED_MESSAGE;
    // The check leaves a model without polygons as it is; the stream still needs its
    // points in submodel order and counted.
    if (m.NumPolygons < 1) CompressSubmodels(m);
    return CheckSubmodelTree(m);
}

std::string SerializeModel(const ModelStore& m, std::vector<uint8_t>& out, MessageSink* sink) {
    out.clear();
    // Checking, compressing and planning renumber points and set centres: that happens to a
    // copy, so the preview copies and exports never touch the user's model or its undo.
    auto work = std::make_unique<ModelStore>(m);
    std::string error = PrepareModelForSave(*work, sink);
    if (error.empty()) {
        // The file holds 16.16 fixed point: write exactly what a reader will get back.
        RoundPointsToFile(*work);
        error = BuildFile(*work, out);
    }
    if (!error.empty()) out.clear();
    return error;
}

}  // namespace fw
