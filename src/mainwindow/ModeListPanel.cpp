#include "mainwindow/ModeListPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/CornerStrips.h"
#include "mainwindow/ModeListModel.h"
#include "mainwindow/PointsStrip.h"
#include "mainwindow/PolygonsStrip.h"
#include "mainwindow/SubmodelsStrip.h"

namespace fw {

namespace {

const char* const MODE_TIPS[5] = {"Points Mode", "Polygon's Mode", "Polygon Point Order",
                                  "UV Vectors Mode", "Submodels Mode"};
const char* const MODE_TEXTS[5] = {"Pts", "Poly", "Order", "UV", "Sub"};
const char* const MODE_CAPTIONS[5] = {"Points Mode", "Polygons Mode", "Point Order Mode",
                                      "UV Vectors Mode", "Submodels Mode"};

}  // namespace

ModeListPanel::ModeListPanel(StripContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("ModeListPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(BuildModeButtons());

    labelMode_ = new QLabel(this);
    labelMode_->setObjectName("LabelMode");
    QFont bold = labelMode_->font();
    bold.setBold(true);
    labelMode_->setFont(bold);
    layout->addWidget(labelMode_);
    auto* counts = new QGridLayout;
    labelCount_ = new QLabel(this);
    labelCount_->setObjectName("LabelCount");
    labelMarked_ = new QLabel(this);
    labelMarked_->setObjectName("LabelMarked");
    labelCurrent_ = new QLabel(this);
    labelCurrent_->setObjectName("LabelCurrent");
    counts->addWidget(labelCount_, 0, 0);
    counts->addWidget(labelMarked_, 0, 1);
    counts->addWidget(labelCurrent_, 1, 0, 1, 2);
    layout->addLayout(counts);

    rows_ = new ModeListModel(ctx_.editor, this);
    list_ = new QTreeView(this);
    list_->setObjectName("OBList");
    list_->setModel(rows_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSortingEnabled(false);
    list_->setItemsExpandable(false);
    list_->setAllColumnsShowFocus(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->setSectionsClickable(true);
    list_->header()->setStretchLastSection(false);
    layout->addWidget(list_, 1);
    // A click or the arrow keys make a row's item current.
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) { RowClicked(index.row()); });
    connect(list_, &QTreeView::customContextMenuRequested, this,
            [this](const QPoint& pos) { RightClicked(pos); });
    connect(list_->header(), &QHeaderView::sectionClicked, this, &ModeListPanel::HeaderClicked);

    strips_ = new QStackedWidget(this);
    strips_->setObjectName("ModeStrips");
    Strip(Points);
    layout->addWidget(strips_);
}

ModeStrip* ModeListPanel::Strip(int mode) {
    if (ModeStrip* built = stripOf_[mode]) return built;
    ModeStrip* strip = nullptr;
    switch (mode) {
        case Points:
            strip = new PointsStrip(ctx_, strips_);
            break;
        case Polygons: {
            auto* polygons = new PolygonsStrip(ctx_, strips_);
            if (textureNames_) polygons->textureName = textureNames_;
            strip = polygons;
            break;
        }
        case PointOrder:
            strip = new PointOrderStrip(ctx_, strips_);
            break;
        case UVVectors:
            strip = new UVStrip(ctx_, strips_);
            break;
        default: {
            auto* submodels = new SubmodelsStrip(ctx_, strips_);
            submodels->showPutPointsMenu = putPointsMenu_;
            strip = submodels;
            break;
        }
    }
    stripOf_[mode] = strip;
    strips_->addWidget(strip);
    return strip;
}

PolygonsStrip* ModeListPanel::PolygonsPanel() {
    return static_cast<PolygonsStrip*>(Strip(Polygons));
}

SubmodelsStrip* ModeListPanel::SubmodelsPanel() {
    return static_cast<SubmodelsStrip*>(Strip(Submodels));
}

void ModeListPanel::SetTextureNames(std::function<QString(int gameTexture)> names) {
    textureNames_ = std::move(names);
    rows_->textureName = textureNames_;
    if (stripOf_[Polygons]) PolygonsPanel()->textureName = textureNames_;
}

void ModeListPanel::SetPutPointsMenu(std::function<void(QWidget* below)> show) {
    putPointsMenu_ = std::move(show);
    if (stripOf_[Submodels]) SubmodelsPanel()->showPutPointsMenu = putPointsMenu_;
}

QWidget* ModeListPanel::BuildModeButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    modeButtons_ = new QButtonGroup(this);
    for (int mode = 0; mode < 5; ++mode) {
        QToolButton* b = MakeStripButton(box, "HO0Icon", mode, MODE_TEXTS[mode], MODE_TIPS[mode]);
        b->setCheckable(true);
        modeButtons_->addButton(b, mode);
        row->addWidget(b);
    }
    row->addStretch();
    modeButtons_->button(Points)->setChecked(true);
    connect(modeButtons_, &QButtonGroup::idClicked, this, [this](int mode) {
        SetMode(mode);
        ctx_.refocus();
    });
    return box;
}

void ModeListPanel::SetMode(int mode) {
    if (mode < 0 || mode > Submodels) return;
    listMode_ = mode;
    modeButtons_->button(mode)->setChecked(true);
    listRefreshing_ = true;
    rows_->SetMode(mode);
    sizedRows_ = -1;
    listRefreshing_ = false;
    FillModeList();
}

void ModeListPanel::FillModeList(ChangeSet changes) {
    listRefreshing_ = true;
    labelMode_->setText(MODE_CAPTIONS[listMode_]);
    // Only the shown strip claims room, so the list gets the rest.
    ModeStrip* shown = Strip(listMode_);
    for (ModeStrip* strip : stripOf_) {
        if (!strip) continue;
        QSizePolicy::Policy policy = strip == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        strip->setSizePolicy(policy, policy);
    }
    strips_->setCurrentWidget(shown);
    rows_->Refresh(changes);
    // Measuring cells is most of a refresh's time: do it when the rows are new.
    if (sizedMode_ != listMode_ || sizedRows_ != rows_->rowCount()) {
        sizedMode_ = listMode_;
        sizedRows_ = rows_->rowCount();
        SizeColumns();
    }
    SelectCurrentRow(rows_->CurrentRow());
    FillLabels();
    shown->Fill();
    listRefreshing_ = false;
}

// Each column as wide as its longest text (by characters) and a digit more: the rows hold
// numbers, whose digits are equally wide, and names of a few letters. Measuring one text per
// column is far cheaper than measuring every cell.
void ModeListPanel::SizeColumns() {
    QFontMetrics metrics = list_->fontMetrics();
    int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    int margin = 2 * list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 8;
    for (int c = 0; c < rows_->columnCount(); ++c) {
        QString longest;
        for (int r = 0; r < rows_->rowCount(); ++r) {
            QString text = rows_->data(rows_->index(r, c), Qt::DisplayRole).toString();
            if (text.size() > longest.size()) longest = text;
        }
        int header = metrics.horizontalAdvance(rows_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        int cells = metrics.horizontalAdvance(longest) + digit;
        list_->setColumnWidth(c, std::max(header + 8, cells) + margin);
    }
}

void ModeListPanel::FillLabels() {
    const Editor& ed = ctx_.editor;
    const ModelStore& m = ed.Model();
    labelMarked_->clear();
    int corners = m.NumPolygons > 0 ? m.Polygons[m.CurrentPolygon].CornerCount : 0;
    switch (listMode_) {
        case Points:
            labelCount_->setText(QString::number(m.NumPoints) + " points");
            labelMarked_->setText(QString::number(m.NumMarkedPoints) + " marked");
            labelCurrent_->setText("Point #" + QString::number(m.CurrentPoint));
            break;
        case Polygons:
            labelCount_->setText(QString::number(m.NumPolygons) + " polygons");
            labelMarked_->setText(QString::number(m.NumMarkedPolygons) + " marked");
            labelCurrent_->setText("Polygon #" + QString::number(m.CurrentPolygon));
            break;
        case PointOrder:
            labelCount_->setText(QString::number(corners) + " points");
            labelCurrent_->setText("Polygon Point #" + QString::number(ed.CurrentListCorner));
            break;
        case UVVectors:
            labelCount_->setText(QString::number(corners) + " UV vectors");
            labelCurrent_->setText("UV Vector #" + QString::number(ed.CurrentListCorner));
            break;
        default:
            labelCount_->setText(QString::number(m.NumSubmodels) + " submodels");
            labelCurrent_->setText("Submodel #" + QString::number(m.CurrentSubmodel));
            break;
    }
}

void ModeListPanel::SelectCurrentRow(int row) {
    if (row < 0 || row >= rows_->rowCount()) return;
    QModelIndex index = rows_->index(row, 0);
    if (list_->currentIndex().row() != row) list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void ModeListPanel::RowClicked(int row) {
    if (listRefreshing_ || ctx_.editor.RefreshInProgress || row < 0) return;
    static constexpr const char* select[5] = {"SelectPoint", "SelectPolygon", "SelectListCorner",
                                              "SelectListCorner", "SelectSubmodel"};
    ctx_.run(select[listMode_], {IntArg(row)});
}

void ModeListPanel::RightClicked(const QPoint& pos) {
    QModelIndex index = list_->indexAt(pos);
    if (!index.isValid() || ctx_.refreshing()) return;
    list_->setCurrentIndex(index);  // the row under the mouse becomes the current item
    if (listMode_ == Points) ctx_.run("ToggleCurrentPointMark", {});
    if (listMode_ == Polygons) ctx_.run("ToggleCurrentPolygonMark", {});
}

void ModeListPanel::HeaderClicked(int section) {
    if (section != 1) return;
    if (listMode_ == Points) ctx_.run("MarkAllPoints", {});
    if (listMode_ == Polygons) ctx_.run("MarkAllPolygons", {});
}

}  // namespace fw
