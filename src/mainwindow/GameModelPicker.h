#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QImage>
#include <vector>

#include "modelfile/GameFileModels.h"

class QTableView;

namespace fw {

class TextureSource;

// The models of a HAM or HXM file as rows: a picture drawn by the viewer's renderer, the
// number, submodels, points, polygons and the texture window. A picture is drawn the first
// time its row is shown and kept, so a file of hundreds of models opens at once.
class GameModelListModel : public QAbstractTableModel {
public:
    static constexpr int PICTURE_SIDE = 64;

    GameModelListModel(const std::vector<GameFileModel>& models, TextureSource& textures,
                       QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The picture of a row, drawn now when it was not yet.
    const QImage& Picture(int row) const;
    // How many pictures have been drawn so far.
    int PicturesDrawn() const { return drawn_; }

private:
    const std::vector<GameFileModel>& models_;
    TextureSource& textures_;
    mutable std::vector<QImage> pictures_;  // null until drawn
    mutable int drawn_ = 0;
};

// "Import Model": chooses one model of a file holding several. OK (or a double click)
// accepts the selected row.
class GameModelPicker : public QDialog {
    Q_OBJECT
public:
    GameModelPicker(const QString& path, const std::vector<GameFileModel>& models,
                    TextureSource& textures, QWidget* parent = nullptr);

    QTableView* Table() const { return table_; }
    GameModelListModel* Rows() const { return rows_; }
    // Selects the row of model `number` (tests, and a remembered choice).
    void SelectModel(int number);
    // The Number of the selected model, or -1 when none is selected.
    int SelectedModel() const;

private:
    const std::vector<GameFileModel>& models_;
    GameModelListModel* rows_;
    QTableView* table_;
};

}  // namespace fw
