#include "mainwindow/ModeListModel.h"

#include <QStringList>
#include <algorithm>

#include "mainwindow/StripContext.h"
#include "model/Colour.h"

namespace fw {

namespace {

// Made once: the views ask for the column count many times per row they lay out or paint.
const QStringList& Columns(int mode) {
    static const QStringList columns[5] = {{"Nr", "#", "X", "Y", "Z", "S"},
                                           {"Nr", "#", "Texture", "Points"},
                                           {"Point"},
                                           {"Nr", "U", "V", "L"},
                                           {"Nr", "Parent", "Sorting", "Points"}};
    static_assert(ModeListModel::Points == 0 && ModeListModel::Polygons == 1 &&
                  ModeListModel::PointOrder == 2 && ModeListModel::UVVectors == 3);
    return columns[std::clamp(mode, 0, 4)];
}

QString Mark(uint8_t flag) {
    return flag ? "#" : "";
}

int CornersOfCurrent(const ModelStore& m) {
    if (m.NumPolygons < 1) return 0;
    return std::clamp<int>(m.Polygons[m.CurrentPolygon].CornerCount, 0, MAX_CORNERS);
}

}  // namespace

ModeListModel::ModeListModel(const Editor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
    textureName = [](int slot) { return "Texture " + QString::number(slot); };
    rows_ = CountRows();
}

void ModeListModel::SetMode(int mode) {
    beginResetModel();
    mode_ = mode;
    rows_ = CountRows();
    endResetModel();
}

void ModeListModel::Refresh(ChangeSet changes) {
    if (changes.Empty()) return;
    int rows = CountRows();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return;
    }
    // Every visible cell may show what changed (marks, positions, the current polygon's
    // corners); the view repaints only the rows it shows.
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

int ModeListModel::CountRows() const {
    const ModelStore& m = editor_.Model();
    switch (mode_) {
        case Points:
            return std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
        case Polygons:
            return std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
        case PointOrder:
        case UVVectors:
            return CornersOfCurrent(m);
        default:
            return std::clamp<int>(m.NumSubmodels, 0, MAX_SUBMODELS);
    }
}

int ModeListModel::CurrentRow() const {
    const ModelStore& m = editor_.Model();
    switch (mode_) {
        case Points:
            return m.CurrentPoint;
        case Polygons:
            return m.CurrentPolygon;
        case PointOrder:
        case UVVectors:
            return editor_.CurrentListCorner;
        default:
            return m.CurrentSubmodel;
    }
}

int ModeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ModeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Columns(mode_).size());
}

QVariant ModeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const QStringList& columns = Columns(mode_);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns.size())
        return {};
    return columns[section];
}

QVariant ModeListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
    return Cell(index.row(), index.column());
}

QString ModeListModel::Cell(int row, int column) const {
    const ModelStore& m = editor_.Model();
    // Rows are counted when the view is told; the store may have fewer since.
    if (row >= CountRows()) return {};
    const PolygonRecord& current = m.Polygons[m.CurrentPolygon];
    switch (mode_) {
        case Points: {
            const PointRecord& p = m.Points[row];
            const double xyz[3] = {p.X, p.Y, p.Z};
            if (column == 0) return QString::number(row);
            if (column == 1) return Mark(m.PointMarked[row]);
            if (column <= 4) return FormatNumber(xyz[column - 2], 3);
            return QString::number(m.PointSubmodel[row]);
        }
        case Polygons: {
            const PolygonRecord& p = m.Polygons[row];
            if (column == 0) return QString::number(row);
            if (column == 1) return Mark(m.PolygonMarked[row]);
            if (column == 3) return QString::number(p.CornerCount);
            if (!p.IsFlat()) return textureName(m.FirstModelTexture + p.TextureNumber);
            auto c = UnpackColour15(p.FlatColour);
            return QString("<Flat> %1 %2 %3").arg(c[0]).arg(c[1]).arg(c[2]);
        }
        case PointOrder:
            return "Point " + QString::number(current.Corners[row]);
        case UVVectors: {
            const CornerUVLRecord& uvl = current.CornerUVL[row];
            const float values[3] = {uvl.U, uvl.V, uvl.L};
            return column == 0 ? QString::number(row) : FormatNumber(values[column - 1], 2);
        }
        default: {
            const SubmodelRecord& sub = m.Submodels[row];
            if (column == 0) return QString::number(row);
            if (column == 1)
                return sub.Parent == NO_PARENT ? "<root>" : QString::number(sub.Parent);
            if (column == 2) return QString::number(sub.SortPolygon);
            int points = 0;
            for (int i = 0; i < m.NumPoints && i < MAX_POINTS; ++i)
                points += m.PointSubmodel[i] == row;
            return QString::number(points);
        }
    }
}

}  // namespace fw
