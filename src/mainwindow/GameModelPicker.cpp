#include "mainwindow/GameModelPicker.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "viewer/GameModelPicture.h"

namespace fw {

namespace {

enum Column { Model, Submodels, Points, Polygons, FirstTexture, Textures, COLUMNS };
const char* const HEADERS[COLUMNS] = {"Model",    "Submodels",     "Points",
                                      "Polygons", "First texture", "Textures"};

}  // namespace

GameModelListModel::GameModelListModel(const std::vector<GameFileModel>& models,
                                       TextureSource& textures, QObject* parent)
    : QAbstractTableModel(parent), models_(models), textures_(textures), pictures_(models.size()) {}

int GameModelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(models_.size());
}

int GameModelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMNS;
}

const QImage& GameModelListModel::Picture(int row) const {
    QImage& picture = pictures_.at(size_t(row));
    if (picture.isNull()) {
        FrameBuffer frame;
        RenderGameModelPicture(models_[size_t(row)].Model, PICTURE_SIDE, textures_, frame);
        picture = QImage(reinterpret_cast<const uchar*>(frame.Data()), frame.Width(),
                         frame.Height(), QImage::Format_RGB32)
                      .copy();
        ++drawn_;
    }
    return picture;
}

QVariant GameModelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const GameFileModel& m = models_[size_t(index.row())];
    if (role == Qt::DecorationRole && index.column() == Model) return Picture(index.row());
    if (role == Qt::ToolTipRole && !m.Fault.empty()) return QString::fromStdString(m.Fault);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    // A model whose stream cannot be read shows its number and the fault.
    if (!m.Fault.empty() && index.column() != Model)
        return index.column() == Submodels ? QStringLiteral("unreadable") : QVariant();
    switch (index.column()) {
        case Model:
            return m.Number;
        case Submodels:
            return m.Submodels;
        case Points:
            return m.Points;
        case Polygons:
            return m.Polygons;
        case FirstTexture:
            return m.FirstTexture;
        case Textures:
            return m.Textures;
        default:
            return {};
    }
}

QVariant GameModelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= COLUMNS)
        return {};
    return QString(HEADERS[section]);
}

GameModelPicker::GameModelPicker(const QString& path, const std::vector<GameFileModel>& models,
                                 TextureSource& textures, QWidget* parent)
    : QDialog(parent), models_(models) {
    setObjectName("GameModelPicker");
    setWindowTitle("Import Model");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString("Models in %1:").arg(path), this));
    rows_ = new GameModelListModel(models, textures, this);
    table_ = new QTableView(this);
    table_->setObjectName("GameModelList");
    table_->setModel(rows_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setIconSize(QSize(GameModelListModel::PICTURE_SIDE, GameModelListModel::PICTURE_SIDE));
    table_->verticalHeader()->hide();
    // Fixed row heights let the view ask only for the rows it shows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(GameModelListModel::PICTURE_SIDE + 4);
    // Widths that fit the contents would ask every row for its picture: fixed ones do not.
    table_->horizontalHeader()->setDefaultSectionSize(78);
    table_->setColumnWidth(0, GameModelListModel::PICTURE_SIDE + 60);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableView::doubleClicked, this, &QDialog::accept);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto follow = [this, ok] { ok->setEnabled(SelectedModel() >= 0); };
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, follow);
    if (!models.empty()) table_->selectRow(0);
    follow();
    resize(520, 480);
}

void GameModelPicker::SelectModel(int number) {
    for (size_t row = 0; row < models_.size(); ++row)
        if (models_[row].Number == number) table_->selectRow(int(row));
}

int GameModelPicker::SelectedModel() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    return models_[size_t(rows.front().row())].Number;
}

}  // namespace fw
