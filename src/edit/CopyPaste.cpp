#include "edit/CopyPaste.h"

#include <algorithm>
#include <functional>
#include <string>

namespace fw {

namespace {

bool AllCornersMarked(const ModelStore& m, const PolygonRecord& poly) {
    if (poly.CornerCount < 0 || poly.CornerCount > MAX_CORNERS) return false;
    for (int j = 0; j < poly.CornerCount; ++j) {
        int point = poly.Corners[j];
        if (point < 0 || point >= m.NumPoints || !m.PointMarked[point]) return false;
    }
    return true;
}

using PointTransform = std::function<PointRecord(const PointRecord&)>;

// Shared body of the five paste commands; the status names what was pasted with the given
// word for the points and ending. Changes nothing when the result would not fit the tables.
CommandResult PasteClipboard(Editor& ed, const PointTransform& transform, bool reverseCorners,
                             const std::string& pointWord, const std::string& ending) {
    ModelStore& m = ed.Model();
    const Clipboard& clip = ed.Clip();
    int p = m.NumPoints, q = m.NumPolygons;
    int n = std::clamp<int>(clip.ClipPointCount, 0, MAX_POINTS);
    int count = std::clamp<int>(clip.ClipPolygonCount, 0, MAX_POLYGONS);
    if (p + n > MAX_POINTS) {
        return Refused("Cannot paste: the model would have more than " +
                       std::to_string(MAX_POINTS) + " points.");
    }
    if (q + count > MAX_POLYGONS) {
        return Refused("Cannot paste: the model would have more than " +
                       std::to_string(MAX_POLYGONS) + " polygons.");
    }

    for (int i = 0; i < p; ++i) m.PointMarked[i] = 0;
    for (int k = 0; k < n; ++k) {
        m.Points[p + k] = transform(clip.ClipPoints[k]);
        m.PointMarked[p + k] = 1;
        // The slot may still hold what a deleted point left there.
        m.PointSubmodel[p + k] = static_cast<uint8_t>(m.CurrentSubmodel);
        m.PointHidden[p + k] = 0;
    }

    if (count >= 1) {
        for (int i = 0; i < q; ++i) m.PolygonMarked[i] = 0;
        for (int r = 0; r < count; ++r) {
            const PolygonRecord& source = clip.ClipPolygons[r];
            PolygonRecord poly = source;
            int corners = source.CornerCount;
            for (int j = 0; j < corners; ++j) {
                int from = reverseCorners ? corners - 1 - j : j;
                poly.Corners[j] = static_cast<int16_t>(source.Corners[from] + p);
            }
            m.Polygons[q + r] = poly;
            m.PolygonMarked[q + r] = 1;
            m.PolygonHidden[q + r] = 0;
        }
    }

    m.NumMarkedPoints = static_cast<int16_t>(n);
    m.NumPoints = static_cast<int16_t>(p + n);
    m.NumPolygons = static_cast<int16_t>(q + count);
    // Without pasted polygons the existing polygon marks stay; the counter follows them.
    CountMarkedPolygons(m);
    return Done("Inserted " + std::to_string(n) + pointWord + " and " + std::to_string(count) +
                " polygons" + ending);
}

}  // namespace

CommandResult CopyMarkedPoints(Editor& ed) {
    const ModelStore& m = ed.Model();
    Clipboard& clip = ed.Clip();
    int k = 0;
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointMarked[i]) clip.ClipPoints[k++] = m.Points[i];
    clip.ClipPointCount = static_cast<int16_t>(k);
    clip.ClipPolygonCount = 0;
    return Done("Copied " + std::to_string(k) + " points");
}

CommandResult CopyMarkedPolygonsAndPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (m.PolygonMarked[i] && !AllCornersMarked(m, m.Polygons[i])) {
            return Refused("All marked polygons must have marked points");
        }
    }
    Clipboard& clip = ed.Clip();
    int k = 0;
    for (int i = 0; i < m.NumPoints; ++i) {
        if (!m.PointMarked[i]) continue;
        clip.ClipPoints[k] = m.Points[i];
        m.PointRemap[i] = static_cast<int16_t>(k);
        ++k;
    }
    clip.ClipPointCount = static_cast<int16_t>(k);

    int count = 0;
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (!m.PolygonMarked[i]) continue;
        const PolygonRecord& source = m.Polygons[i];
        PolygonRecord copy;
        copy.CornerCount = source.CornerCount;
        copy.TextureNumber = source.TextureNumber;
        copy.FlatColour = source.FlatColour;
        for (int j = 0; j < source.CornerCount; ++j) {
            copy.Corners[j] = m.PointRemap[source.Corners[j]];
            copy.CornerUVL[j] = source.CornerUVL[j];
        }
        clip.ClipPolygons[count++] = copy;
    }
    clip.ClipPolygonCount = static_cast<int16_t>(count);
    return Done("Copied " + std::to_string(k) + " points and " + std::to_string(count) +
                " polygons");
}

CommandResult PasteMirrored(Editor& ed, int axis) {
    if (axis < 1 || axis > 3) return Ignored();
    auto mirror = [axis](const PointRecord& pt) {
        PointRecord out = pt;
        if (axis == 1) out.X = -pt.X;
        if (axis == 2) out.Y = -pt.Y;
        if (axis == 3) out.Z = -pt.Z;
        return out;
    };
    return PasteClipboard(ed, mirror, true, " mirrored points", "");
}

CommandResult PasteWithOffset(Editor& ed) {
    PointRecord offset = ed.PasteOffset;
    auto shift = [offset](const PointRecord& pt) {
        return PointRecord{pt.X + offset.X, pt.Y + offset.Y, pt.Z + offset.Z};
    };
    return PasteClipboard(ed, shift, false, " points", "");
}

CommandResult PasteAtOrigin(Editor& ed) {
    const Clipboard& clip = ed.Clip();
    int n = std::clamp<int>(clip.ClipPointCount, 0, MAX_POINTS);
    if (n == 0) {
        return Refused("Nothing to paste.");
    }
    PointRecord centre;
    for (int k = 0; k < n; ++k) {
        centre.X += clip.ClipPoints[k].X;
        centre.Y += clip.ClipPoints[k].Y;
        centre.Z += clip.ClipPoints[k].Z;
    }
    centre = {centre.X / n, centre.Y / n, centre.Z / n};
    auto toOrigin = [centre](const PointRecord& pt) {
        return PointRecord{pt.X - centre.X, pt.Y - centre.Y, pt.Z - centre.Z};
    };
    return PasteClipboard(ed, toOrigin, false, " points", ".");
}

}  // namespace fw
