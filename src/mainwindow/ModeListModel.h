#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "model/ChangeSet.h"
#include "model/Editor.h"

namespace fw {

// The rows of the mode list OBList, read from the store when the view asks for them: the
// points, the polygons, the corner order or UV vectors of the current polygon, or the
// submodels. A refresh tells the view what changed instead of rebuilding widget rows.
class ModeListModel : public QAbstractTableModel {
public:
    enum Mode { Points = 0, Polygons, PointOrder, UVVectors, Submodels };

    explicit ModeListModel(const Editor& editor, QObject* parent = nullptr);

    // The name shown for a texture slot (the catalogue's when there is one).
    std::function<QString(int slot)> textureName;

    void SetMode(int mode);
    int Mode() const { return mode_; }
    // Brings the view up to date after a change: new rows when their number changed,
    // otherwise changed data only.
    void Refresh(ChangeSet changes);
    // The row that stands for the current item of the mode.
    int CurrentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int CountRows() const;
    QString Cell(int row, int column) const;

    const Editor& editor_;
    int mode_ = Points;
    int rows_ = 0;
};

}  // namespace fw
