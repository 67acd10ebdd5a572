#include "modelfile/GameModelContents.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "modelfile/ByteIO.h"
#include "modelfile/GameStreamRecords.h"

namespace fw {
namespace {

using namespace gamestream;

constexpr int POINT_SLOTS = 1000;           // the game's point buffer for a whole model
constexpr int MAX_NESTED_STREAMS = 64;      // guards the walker's own recursion
constexpr long MAX_RECORD_VISITS = 200000;  // branches that rejoin grow exponentially

std::string At(int pos) {
    return "offset " + std::to_string(pos) + ": ";
}

FixVector FixAt(std::span<const uint8_t> d, int pos) {
    return {ReadLong(d, pos), ReadLong(d, pos + 4), ReadLong(d, pos + 8)};
}

// Checks the record against its stream and fills Offsets; "" when the stream can be walked.
std::string CheckRecord(const GameModel& model, GameModelContents& out) {
    if (model.Record.size() != size_t(GAME_MODEL_RECORD_SIZE))
        return "the model record has " + std::to_string(model.Record.size()) + " bytes, not " +
               std::to_string(GAME_MODEL_RECORD_SIZE);
    const ModelRecordFields& r = out.Record = ReadModelRecord(model.Record);
    if (r.NumSubmodels < 1 || r.NumSubmodels > MAX_SUBMODELS)
        return "the model has " + std::to_string(r.NumSubmodels) + " submodels; a model has 1 to " +
               std::to_string(MAX_SUBMODELS);
    if (r.DataSize != int64_t(model.Stream.size()))
        return "the record's data size " + std::to_string(r.DataSize) + " differs from the " +
               std::to_string(model.Stream.size()) + " bytes of model data";
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        const FixVector& v = r.Offsets[s];
        out.Offsets[s] = {v.X / FIX_ONE, v.Y / FIX_ONE, v.Z / FIX_ONE};
    }
    for (int s = 1; s < r.NumSubmodels; ++s) {
        int depth = 0;
        for (int p = s; p != 0; p = r.Parents[p]) {
            if (p >= r.NumSubmodels)
                return "submodel " + std::to_string(s) + " has the parent " + std::to_string(p) +
                       ", which is not a submodel of the model";
            if (++depth > MAX_SUBMODELS)
                return "the parents of submodel " + std::to_string(s) + " form a loop";
        }
        out.DeepestSubmodel = std::max(out.DeepestSubmodel, depth);
    }
    return "";
}

class ContentsWalker {
public:
    ContentsWalker(std::span<const uint8_t> data, GameModelContents& out)
        : d_(data),
          size_(static_cast<int>(data.size())),
          out_(out),
          visited_(data.size(), 0),
          owner_(data.size(), -1) {
        slot_.fill(-1);
        MapRecords();
        for (int s = 0; s < out.Record.NumSubmodels; ++s) origin_[s] = OriginOf(s);
    }

    std::string Run() {
        const ModelRecordFields& r = out_.Record;
        for (int s = 0; s < r.NumSubmodels; ++s) {
            int p = r.SubmodelPointers[s];
            if (p < 0 || p > size_ - 4)  // not p + 4: p may be as large as int goes
                return "submodel " + std::to_string(s) + " pointer " + std::to_string(p) +
                       " lies outside the " + std::to_string(size_) + " bytes of model data";
            int op = ReadShort(d_, p);
            if (op != d_defp_start && op != d_defpoints)
                return "submodel " + std::to_string(s) + " pointer " + std::to_string(p) +
                       " is not at a point record but at opcode " + std::to_string(op);
            if (!Walk(p, s, false)) return error_;
        }
        if (!Walk(0, 0, true)) return error_;
        CountUnreached();
        std::stable_sort(
            out_.Polygons.begin(), out_.Polygons.end(),
            [](const GamePolygon& a, const GamePolygon& b) { return a.Offset < b.Offset; });
        return "";
    }

private:
    // The submodel's pivot plus those of its ancestors, summed in the order the .pol reader
    // uses, so that both give identical coordinates for the same stream.
    std::array<double, 3> OriginOf(int s) const {
        std::array<double, 3> origin = out_.Offsets[s];
        int p = s == 0 ? NO_PARENT : out_.Record.Parents[s];
        while (p < MAX_SUBMODELS) {
            for (int axis = 0; axis < 3; ++axis) origin[axis] += out_.Offsets[p][axis];
            if (p == 0) break;
            p = out_.Record.Parents[p];
        }
        return origin;
    }

    bool Fail(const std::string& text) {
        error_ = text;
        return false;
    }

    bool Walk(int start, int context, bool followSubcalls) {
        if (nesting_ >= MAX_NESTED_STREAMS)
            return Fail(At(start) + "streams nest more than " + std::to_string(MAX_NESTED_STREAMS) +
                        " deep");
        ++nesting_;
        bool ok = WalkStream(start, context, followSubcalls);
        --nesting_;
        return ok;
    }

    bool WalkStream(int pos, int context, bool followSubcalls) {
        for (;;) {
            if (++visits_ > MAX_RECORD_VISITS)
                return Fail("the stream's branches rejoin too often (more than " +
                            std::to_string(MAX_RECORD_VISITS) + " records drawn)");
            if (!Readable(d_, pos))
                return Fail(At(pos) + "the stream runs past the end of the data without a d_eof");
            int op = ReadShort(d_, pos);
            int len = RecordLength(d_, pos);
            if (len < 0)
                return Fail(At(pos) + (op < d_eof || op > d_glow
                                           ? "unknown opcode " + std::to_string(op)
                                           : RecordName(op) + " has a negative count"));
            if (pos + len > size_)
                return Fail(At(pos) + RecordName(op) + " record (" + std::to_string(len) +
                            " bytes) runs past the end of the data");
            if (op == d_eof) return true;
            if (!Step(op, pos, context, followSubcalls)) return false;
            visited_[pos] = 1;
            pos += len;
        }
    }

    bool Step(int op, int pos, int context, bool followSubcalls) {
        bool first = !visited_[pos];
        switch (op) {
            case d_defpoints:
                return Define(pos, 0, ReadShort(d_, pos + 2), pos + 4, context);
            case d_defp_start:
                return Define(pos, ReadShort(d_, pos + 4), ReadShort(d_, pos + 2), pos + 8,
                              context);
            case d_flatpoly:
            case d_tmappoly:
                return !first || Polygon(op, pos, context);
            case d_sortnorm:
                out_.SortNormRecords += first;
                return Branch(pos, 28, "front branch", context, followSubcalls) &&
                       Branch(pos, 30, "back branch", context, followSubcalls);
            case d_subcall:
                return !followSubcalls || SubCall(pos);
            case d_rodbm:
                out_.RodRecords += first;
                return true;
            case d_glow:
                out_.GlowRecords += first;
                return true;
            default:
                return true;
        }
    }

    bool Define(int pos, int firstSlot, int count, int vectors, int context) {
        if (firstSlot < 0 || firstSlot + count > POINT_SLOTS)
            return Fail(At(pos) + RecordName(ReadShort(d_, pos)) + " defines point slots " +
                        std::to_string(firstSlot) + ".." + std::to_string(firstSlot + count - 1) +
                        " outside the game's " + std::to_string(POINT_SLOTS));
        auto [it, added] = firstPoint_.try_emplace(pos, static_cast<int>(out_.Points.size()));
        if (added) {
            for (int i = 0; i < count; ++i) {
                FixVector v = FixAt(d_, vectors + 12 * i);
                const auto& o = origin_[context];
                out_.Points.push_back(
                    {context, {v.X / FIX_ONE + o[0], v.Y / FIX_ONE + o[1], v.Z / FIX_ONE + o[2]}});
            }
            out_.DefinedPoints += count;
        }
        for (int i = 0; i < count; ++i) slot_[firstSlot + i] = it->second + i;
        return true;
    }

    bool Polygon(int op, int pos, int context) {
        GamePolygon p;
        p.Submodel = context;
        p.Offset = pos;
        p.Textured = op == d_tmappoly;
        p.ColourOrTexture = ReadShort(d_, pos + 28);
        int n = ReadShort(d_, pos + 2);
        for (int j = 0; j < n; ++j) {
            int slot = ReadShort(d_, pos + 30 + 2 * j);
            if (slot < 0 || slot >= POINT_SLOTS || slot_[slot] < 0)
                return Fail(At(pos) + RecordName(op) + " uses point slot " + std::to_string(slot) +
                            ", which no point record defined before it");
            p.Corners.push_back(PointFor(slot_[slot], context));
        }
        int uvl = pos + 30 + 2 * ((n & ~1) + 1);
        for (int j = 0; p.Textured && j < n; ++j) {
            FixVector v = FixAt(d_, uvl + 12 * j);
            p.UVL.push_back({float(v.X / FIX_ONE), float(v.Y / FIX_ONE), float(v.Z / FIX_ONE)});
        }
        out_.Polygons.push_back(std::move(p));
        return true;
    }

    // A polygon belongs to the submodel whose stream draws it; a point another submodel
    // defined is copied into that submodel (once), which keeps the shape as drawn at rest.
    int PointFor(int point, int context) {
        if (out_.Points[point].Submodel == context) return point;
        auto [it, added] = copies_.try_emplace({point, context}, int(out_.Points.size()));
        if (added) {
            out_.Points.push_back({context, out_.Points[point].Position});
            ++out_.CopiedPoints;
        }
        return it->second;
    }

    // Steps through the data record by record to learn where records start; jumps into
    // the middle of one are refused. Past a record that cannot be stepped over, nothing is
    // known and jumps are taken as they come.
    void MapRecords() {
        for (int pos = 0; Readable(d_, pos);) {
            int len = RecordLength(d_, pos);
            if (len < 0 || pos + len > size_) break;
            std::fill(owner_.begin() + pos, owner_.begin() + pos + len, pos);
            pos += len;
        }
    }

    bool JumpTarget(int pos, int field, const std::string& what, int& target) {
        std::string record = At(pos) + RecordName(ReadShort(d_, pos)) + " " + what;
        int offset = ReadShort(d_, pos + field);
        target = pos + offset;
        if (offset < 1 || target + 2 > size_)
            return Fail(record + " offset " + std::to_string(offset) + " leads outside the data");
        int owner = owner_[target];
        if (owner != -1 && owner != target)
            return Fail(record + " goes to " + std::to_string(target) +
                        ", into the middle of the " + RecordName(ReadShort(d_, owner)) +
                        " record at " + std::to_string(owner));
        return true;
    }

    bool Branch(int pos, int field, const char* what, int context, bool followSubcalls) {
        int target = 0;
        return JumpTarget(pos, field, what, target) && Walk(target, context, followSubcalls);
    }

    bool SubCall(int pos) {
        int submodel = ReadShort(d_, pos + 2);
        if (submodel < 0 || submodel >= out_.Record.NumSubmodels)
            return Fail(At(pos) + "d_subcall calls submodel " + std::to_string(submodel) +
                        ", but the model has " + std::to_string(out_.Record.NumSubmodels));
        int target = 0;
        return JumpTarget(pos, 16, "jump", target) && Walk(target, submodel, true);
    }

    // Polygon records in the data that no walk reached.
    void CountUnreached() {
        for (int pos = 0; Readable(d_, pos);) {
            int len = RecordLength(d_, pos);
            if (len < 0 || pos + len > size_) break;
            int op = ReadShort(d_, pos);
            if ((op == d_flatpoly || op == d_tmappoly) && !visited_[pos]) ++out_.UnreachedPolygons;
            pos += len;
        }
    }

    std::span<const uint8_t> d_;
    int size_;
    GameModelContents& out_;
    std::vector<uint8_t> visited_;  // 1 at the start of every record already handled
    std::vector<int> owner_;        // start of the record covering each byte, -1 when unknown
    std::array<int, POINT_SLOTS> slot_{};        // point currently in each slot, -1 when none
    std::unordered_map<int, int> firstPoint_;    // point record offset -> its first point
    std::map<std::pair<int, int>, int> copies_;  // (point, submodel) -> copy
    std::array<std::array<double, 3>, MAX_SUBMODELS> origin_{};
    long visits_ = 0;
    int nesting_ = 0;
    std::string error_;
};

}  // namespace

std::string ReadGameModelContents(const GameModel& model, GameModelContents& out) {
    out = GameModelContents{};
    std::string error = CheckRecord(model, out);
    if (error.empty()) error = ContentsWalker(model.Stream, out).Run();
    if (!error.empty()) out = GameModelContents{};
    return error;
}

}  // namespace fw
