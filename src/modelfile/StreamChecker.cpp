#include "modelfile/StreamChecker.h"

#include <algorithm>
#include <bitset>
#include <set>
#include <utility>

#include "modelfile/GameStreamRecords.h"
#include "modelfile/ModelFile.h"

namespace fw {
namespace {

using namespace gamestream;

constexpr int POINT_SLOTS = 1000;       // the game's one point buffer for a whole model
constexpr int MAX_NESTED_STREAMS = 64;  // guards the walker's own recursion
constexpr long MAX_RECORD_VISITS = 200000;  // streams whose branches rejoin grow exponentially

using PointSlots = std::bitset<POINT_SLOTS>;

std::string At(int pos) {
    return "offset " + std::to_string(pos) + ": ";
}

class FaultList {
public:
    void Add(const std::string& text) {
        if (seen_.insert(text).second) texts_.push_back(text);
    }
    std::vector<std::string> Take() { return std::move(texts_); }

private:
    std::vector<std::string> texts_;
    std::set<std::string> seen_;
};

class StreamWalker {
public:
    StreamWalker(std::span<const uint8_t> data, const StreamLayout& layout, FaultList& faults)
        : d_(data),
          size_(static_cast<int>(data.size())),
          layout_(layout),
          faults_(faults),
          owner_(data.size(), -1) {}

    void Run() {
        bool complete = MapRecords();
        if (complete) CheckSubmodelCount();
        CheckPointers();
        PointSlots defined;
        Walk(0, 0, defined);
        for (int s = 1; s < layout_.NumSubmodels; ++s)
            if (!called_[s]) faults_.Add("submodel " + std::to_string(s) + " is never called");
        WalkSubmodelsAlone();
    }

private:
    // Steps through the data record by record, as the file reader does, to learn where
    // records start; jumps must land on one of these starts.
    bool MapRecords() {
        int pos = 0;
        while (pos < size_) {
            if (!Readable(d_, pos)) {
                faults_.Add(At(pos) + "record runs past the end of the data (" +
                            std::to_string(size_) + " bytes)");
                return false;
            }
            int len = RecordLength(d_, pos);
            if (len < 0) {
                ReportBadRecord(pos);
                return false;
            }
            if (pos + len > size_) {
                ReportOutside(pos, len);
                return false;
            }
            std::fill(owner_.begin() + pos, owner_.begin() + pos + len, pos);
            if (ReadShort(d_, pos) == d_defp_start) ++pointDefinitions_;
            pos += len;
        }
        return true;
    }

    void CheckSubmodelCount() {
        if (pointDefinitions_ != layout_.NumSubmodels)
            faults_.Add("header: " + std::to_string(layout_.NumSubmodels) +
                        " submodels, but the stream has " + std::to_string(pointDefinitions_) +
                        " d_defp_start records");
    }

    void CheckPointers() {
        for (int s = 0; s < layout_.NumSubmodels; ++s) {
            int32_t p = layout_.SubmodelPointers[s];
            int op = RecordStartsAt(p) ? ReadShort(d_, p) : -1;
            if (op != d_defp_start && op != d_defpoints)
                faults_.Add("header: submodel " + std::to_string(s) + " pointer " +
                            std::to_string(p) + " is not at a d_defp_start record");
            for (int t = 0; t < s; ++t)
                if (layout_.SubmodelPointers[t] == p)
                    faults_.Add("header: submodels " + std::to_string(t) + " and " +
                                std::to_string(s) + " share the pointer " + std::to_string(p));
        }
    }

    // Past a record the mapping could not step over, record starts are unknown.
    bool RecordStartsAt(int pos) const {
        return pos >= 0 && pos < size_ &&
               (owner_[pos] == pos || (owner_[pos] == -1 && Readable(d_, pos)));
    }

    // Debris and the morph-in effect draw a submodel's own stream from its pointer alone.
    void WalkSubmodelsAlone() {
        for (int s = 0; s < layout_.NumSubmodels; ++s) {
            int32_t p = layout_.SubmodelPointers[s];
            if (!RecordStartsAt(p)) continue;
            alone_ = " (drawing submodel " + std::to_string(s) + " on its own)";
            PointSlots defined;
            Walk(p, 0, defined);
        }
        alone_.clear();
    }

    void ReportBadRecord(int pos) {
        int op = ReadShort(d_, pos);
        if (op < 0 || op > d_glow)
            faults_.Add(At(pos) + "unknown opcode " + std::to_string(op));
        else
            faults_.Add(At(pos) + RecordName(op) + " has a negative count " +
                        std::to_string(ReadShort(d_, pos + 2)));
    }

    void ReportOutside(int pos, int len) {
        faults_.Add(At(pos) + RecordName(ReadShort(d_, pos)) + " record (" + std::to_string(len) +
                    " bytes) runs past the end of the data (" + std::to_string(size_) + " bytes)");
    }

    // Draws one stream until its d_eof; false results are reported, never thrown.
    void Walk(int start, int subcallDepth, PointSlots& defined) {
        if (nesting_ >= MAX_NESTED_STREAMS) {
            faults_.Add(At(start) + "streams nest more than " + std::to_string(MAX_NESTED_STREAMS) +
                        " deep; walk stopped");
            return;
        }
        ++nesting_;
        for (int pos = start;;) {
            if (++visits_ > MAX_RECORD_VISITS) {
                faults_.Add("walk stopped after " + std::to_string(MAX_RECORD_VISITS) +
                            " records: the branches of the stream rejoin too often");
                break;
            }
            if (!Readable(d_, pos)) {
                faults_.Add(At(pos) + "the stream runs past the end of the data without a d_eof");
                break;
            }
            int len = RecordLength(d_, pos);
            if (len < 0) {
                ReportBadRecord(pos);
                break;
            }
            if (pos + len > size_) {
                ReportOutside(pos, len);
                break;
            }
            int op = ReadShort(d_, pos);
            if (op == d_eof) break;
            Step(op, pos, subcallDepth, defined);
            pos += len;
        }
        --nesting_;
    }

    void Step(int op, int pos, int subcallDepth, PointSlots& defined) {
        switch (op) {
            case d_defpoints:
                Define(pos, 0, ReadShort(d_, pos + 2), defined);
                break;
            case d_defp_start:
                Define(pos, ReadShort(d_, pos + 4), ReadShort(d_, pos + 2), defined);
                break;
            case d_flatpoly:
            case d_tmappoly:
                CheckPolygon(op, pos, defined);
                break;
            case d_sortnorm:
                SortNorm(pos, subcallDepth, defined);
                break;
            case d_subcall:
                SubCall(pos, subcallDepth, defined);
                break;
            default:
                break;
        }
    }

    void Define(int pos, int first, int count, PointSlots& defined) {
        if (first < 0 || first + count > POINT_SLOTS) {
            faults_.Add(At(pos) + RecordName(ReadShort(d_, pos)) + " defines points " +
                        std::to_string(first) + ".." + std::to_string(first + count - 1) +
                        " outside the game's " + std::to_string(POINT_SLOTS) + " point slots");
            return;
        }
        for (int i = first; i < first + count; ++i) defined.set(i);
    }

    void CheckPolygon(int op, int pos, const PointSlots& defined) {
        std::string name = RecordName(op);
        int n = ReadShort(d_, pos + 2);
        if (n < 3 || n > MAX_CORNERS)
            faults_.Add(At(pos) + name + " has " + std::to_string(n) +
                        " corners; the game draws 3 to " + std::to_string(MAX_CORNERS));
        for (int i = 0; i < n; ++i) {
            int point = ReadShort(d_, pos + 30 + 2 * i);
            if (point < 0 || point >= POINT_SLOTS || !defined[point])
                faults_.Add(At(pos) + name + " uses point " + std::to_string(point) +
                            ", which no d_defp_start defined before it" + alone_);
        }
        if (op != d_tmappoly) return;
        int texture = ReadShort(d_, pos + 28);
        if (texture < 0 || texture >= layout_.NumberOfTextures)
            faults_.Add(At(pos) + "d_tmappoly texture " + std::to_string(texture) +
                        " is outside the model's texture window of " +
                        std::to_string(layout_.NumberOfTextures));
    }

    // The game draws both branches, in an order that depends on the eye: points defined in
    // one branch do not count for the other, but both count once the record is done.
    void SortNorm(int pos, int subcallDepth, PointSlots& defined) {
        PointSlots after = defined;
        for (auto [field, branch] : {std::pair{28, "front"}, std::pair{30, "back"}}) {
            int target = 0;
            if (!JumpTarget(pos, field, std::string(branch) + " branch", target)) continue;
            PointSlots inBranch = defined;
            Walk(target, subcallDepth, inBranch);
            after |= inBranch;
        }
        defined = after;
    }

    void SubCall(int pos, int subcallDepth, PointSlots& defined) {
        int submodel = ReadShort(d_, pos + 2);
        if (submodel < 0 || submodel >= layout_.NumSubmodels)
            faults_.Add(At(pos) + "d_subcall calls submodel " + std::to_string(submodel) +
                        ", but the model has " + std::to_string(layout_.NumSubmodels));
        else if (alone_.empty())
            called_[submodel] = true;
        if (subcallDepth + 1 > MAX_SUBMODEL_DEPTH) {
            faults_.Add(At(pos) + "d_subcall nests submodels " + std::to_string(subcallDepth + 1) +
                        " levels deep; the game allows " + std::to_string(MAX_SUBMODEL_DEPTH));
            return;
        }
        int target = 0;
        if (JumpTarget(pos, 16, "jump", target)) Walk(target, subcallDepth + 1, defined);
    }

    bool JumpTarget(int pos, int field, const std::string& what, int& target) {
        std::string record = At(pos) + RecordName(ReadShort(d_, pos)) + " " + what;
        int offset = ReadShort(d_, pos + field);
        // Only forward jumps are accepted, which also rules out loops in the walk.
        if (offset < 1) {
            faults_.Add(record + " offset " + std::to_string(offset) + " is outside 1..32767");
            return false;
        }
        target = pos + offset;
        if (target + 2 > size_) {
            faults_.Add(record + " goes to " + std::to_string(target) + ", outside the data");
            return false;
        }
        int owner = owner_[target];
        if (owner != -1 && owner != target) {
            faults_.Add(record + " goes to " + std::to_string(target) +
                        ", into the middle of the " + RecordName(ReadShort(d_, owner)) +
                        " record at " + std::to_string(owner));
            return false;
        }
        return true;
    }

    std::span<const uint8_t> d_;
    int size_;
    const StreamLayout& layout_;
    FaultList& faults_;
    std::vector<int> owner_;  // start of the record covering each byte, -1 when unknown
    int pointDefinitions_ = 0;
    int nesting_ = 0;  // streams being drawn, one inside the other
    std::array<bool, MAX_SUBMODELS> called_{};
    long visits_ = 0;
    std::string alone_;
};

}  // namespace

std::vector<std::string> CheckStream(std::span<const uint8_t> data, const StreamLayout& layout) {
    FaultList faults;
    StreamWalker(data, layout, faults).Run();
    return faults.Take();
}

std::vector<std::string> CheckModelFileBytes(std::span<const uint8_t> file) {
    FaultList faults;
    const int fileSize = static_cast<int>(std::min<size_t>(file.size(), 0x7FFFFFFF));
    if (fileSize < MODEL_HEADER_SIZE) {
        faults.Add("header: the file is shorter than the " + std::to_string(MODEL_HEADER_SIZE) +
                   "-byte header");
        return faults.Take();
    }
    if (!std::equal(file.begin(), file.begin() + 4, MODEL_FILE_TAG)) {
        faults.Add("header: the tag is not ZPMF");
        return faults.Take();
    }
    if (int version = ReadLong(file, 4); version != 1)
        faults.Add("header: version " + std::to_string(version) + ", expected 1");

    StreamLayout layout;
    int submodels = ReadLong(file, 12);
    if (submodels < 1 || submodels > MAX_SUBMODELS)
        faults.Add("header: submodel count " + std::to_string(submodels) + " is outside 1..10");
    layout.NumSubmodels = std::clamp(submodels, 1, MAX_SUBMODELS);
    layout.NumberOfTextures = file[HeaderOffset::NumberOfTextures];
    for (int s = 0; s < MAX_SUBMODELS; ++s) layout.SubmodelPointers[s] = ReadLong(file, 24 + 4 * s);

    int64_t dataSize = ReadLong(file, 16);
    int64_t expected = MODEL_HEADER_SIZE + dataSize + MODEL_TRAILER_SIZE;
    if (dataSize < 0 || expected != fileSize)
        faults.Add("header: model data size " + std::to_string(dataSize) +
                   " does not match the file length " + std::to_string(fileSize) + " (expected " +
                   std::to_string(expected) + ")");
    int64_t available = fileSize - MODEL_HEADER_SIZE;
    auto data = file.subspan(MODEL_HEADER_SIZE, std::clamp<int64_t>(dataSize, 0, available));
    for (auto& text : CheckStream(data, layout)) faults.Add(text);
    return faults.Take();
}

}  // namespace fw
