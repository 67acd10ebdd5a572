#include "viewer/StreamInterpreter.h"

#include <algorithm>

#include "modelfile/FixedPoint.h"
#include "modelfile/GameStreamRecords.h"

namespace fw {

using namespace gamestream;

namespace {

// Offsets inside the records (from the opcode word).
constexpr int POLY_COUNT = 2, POLY_POINT = 4, POLY_NORMAL = 16, POLY_VALUE = 28, POLY_INDICES = 30;
constexpr int SORT_NORMAL = 4, SORT_POINT = 16, SORT_FRONT = 28, SORT_BACK = 30;
constexpr int CALL_OFFSET = 4, CALL_JUMP = 16;

// The game's lighting of a textured polygon: a quarter ambient, three quarters by how
// squarely the polygon faces the view direction.
float GameLight(const Camera& c, Vec3 normal) {
    float light = 0.25f + 0.75f * -Dot(c.Forward, normal);
    return std::clamp(light, 0.0f, 1.0f);
}

}  // namespace

InterpretStats StreamInterpreter::Run(std::span<const uint8_t> data, const Camera& camera,
                                      const InterpretOptions& options, PolygonSink& sink) {
    d_ = data;
    camera_ = &camera;
    options_ = options;
    sink_ = &sink;
    stats_ = {};
    glow_ = -1;
    // A new generation forgets every point of the previous frame without clearing.
    if (++generation_ == 0) defined_.fill(0), generation_ = 1;
    Walk(0, {}, 0);
    return stats_;
}

Vec3 StreamInterpreter::VecAt(int pos) const {
    return {static_cast<float>(ReadLong(d_, pos) / FIX_ONE),
            static_cast<float>(ReadLong(d_, pos + 4) / FIX_ONE),
            static_cast<float>(ReadLong(d_, pos + 8) / FIX_ONE)};
}

// (eye - point) . normal > 0, the game's test, with the eye in the instance's frame.
bool StreamInterpreter::Facing(Vec3 eye, Vec3 point, Vec3 normal) const {
    return Dot(eye - point, normal) > 0;
}

void StreamInterpreter::Walk(int start, Vec3 offset, int nesting) {
    if (nesting >= MAX_NESTING) {
        stats_.Stopped = true;
        return;
    }
    const int size = static_cast<int>(d_.size());
    for (int pos = start;;) {
        if (++stats_.Records > MAX_RECORDS) {
            stats_.Stopped = true;
            return;
        }
        if (!Readable(d_, pos)) return;
        int len = RecordLength(d_, pos);
        if (len < 0 || pos + len > size) return;
        switch (ReadShort(d_, pos)) {
            case d_eof:
                return;
            case d_defpoints:
                DefinePoints(pos, 0, ReadShort(d_, pos + 2), 4, offset);
                break;
            case d_defp_start:
                DefinePoints(pos, ReadShort(d_, pos + 4), ReadShort(d_, pos + 2), 8, offset);
                break;
            case d_flatpoly:
                Polygon(pos, false, offset);
                break;
            case d_tmappoly:
                Polygon(pos, true, offset);
                break;
            case d_sortnorm: {
                Vec3 eye = camera_->Eye - offset;
                bool eyeOnNormalSide = Facing(eye, VecAt(pos + SORT_POINT), VecAt(pos + SORT_NORMAL));
                // Jumps are unsigned 16-bit, as the original engine reads them; the farther
                // side is drawn first so the nearer one covers it.
                int front = pos + uint16_t(ReadShort(d_, pos + SORT_FRONT));
                int back = pos + uint16_t(ReadShort(d_, pos + SORT_BACK));
                int first = eyeOnNormalSide ? back : front;
                int second = eyeOnNormalSide ? front : back;
                if (first != pos) Walk(first, offset, nesting + 1);
                if (second != pos) Walk(second, offset, nesting + 1);
                break;
            }
            case d_subcall: {
                int target = pos + uint16_t(ReadShort(d_, pos + CALL_JUMP));
                if (target != pos) Walk(target, offset + VecAt(pos + CALL_OFFSET), nesting + 1);
                break;
            }
            case d_glow:
                glow_ = ReadShort(d_, pos + 2);
                break;
            default:  // d_rodbm: rods are not drawn by this viewer
                break;
        }
        if (stats_.Stopped) return;
        pos += len;
    }
}

void StreamInterpreter::DefinePoints(int pos, int first, int count, int valuesAt, Vec3 offset) {
    for (int i = 0; i < count; ++i) {
        int slot = first + i;
        if (slot < 0 || slot >= POINT_SLOT_COUNT) continue;
        Vec3 p = VecAt(pos + valuesAt + 12 * i) + offset;
        model_[slot] = p;
        view_[slot] = camera_->ToView(p);
        defined_[slot] = generation_;
    }
}

void StreamInterpreter::Polygon(int pos, bool textured, Vec3 offset) {
    int glow = glow_;
    if (textured) glow_ = -1;  // a glow value lights the next textured polygon only
    int n = ReadShort(d_, pos + POLY_COUNT);
    if (n < 3 || n > MAX_DRAW_CORNERS) {
        ++stats_.Skipped;
        return;
    }
    Vec3 normal = VecAt(pos + POLY_NORMAL);
    bool facing = Facing(camera_->Eye - offset, VecAt(pos + POLY_POINT), normal);
    if (!facing && options_.Cull) {
        ++stats_.Culled;
        return;
    }
    std::array<Vec3, MAX_DRAW_CORNERS> model, view;
    std::array<float, MAX_DRAW_CORNERS> u{}, v{};
    for (int i = 0; i < n; ++i) {
        int slot = ReadShort(d_, pos + POLY_INDICES + 2 * i);
        if (slot < 0 || slot >= POINT_SLOT_COUNT || defined_[slot] != generation_) {
            ++stats_.Skipped;
            return;
        }
        model[i] = model_[slot];
        view[i] = view_[slot];
    }
    StreamPolygon p;
    p.Count = n;
    p.Model = model.data();
    p.View = view.data();
    p.Facing = facing;
    p.Textured = textured;
    if (textured) {
        int uvAt = pos + POLY_INDICES + 2 * ((n & ~1) + 1);
        for (int i = 0; i < n; ++i) {
            u[i] = static_cast<float>(ReadLong(d_, uvAt + 12 * i) / FIX_ONE);
            v[i] = static_cast<float>(ReadLong(d_, uvAt + 12 * i + 4) / FIX_ONE);
        }
        p.U = u.data();
        p.V = v.data();
        p.Texture = ReadShort(d_, pos + POLY_VALUE);
        p.Light = glow >= 0 ? 1.0f : GameLight(*camera_, normal);
    } else {
        p.Light = GameLight(*camera_, normal);
        p.Colour = static_cast<uint16_t>(ReadShort(d_, pos + POLY_VALUE));
    }
    ++stats_.Polygons;
    sink_->Polygon(p);
}

}  // namespace fw
