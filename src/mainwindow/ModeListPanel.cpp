#include "mainwindow/ModeListPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "edit/Marking.h"
#include "mainwindow/CornerStrips.h"
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

QStringList Columns(int mode) {
    switch (mode) {
        case ModeListPanel::Points:
            return {"Nr", "#", "X", "Y", "Z", "S"};
        case ModeListPanel::Polygons:
            return {"Nr", "#", "Texture", "Points"};
        case ModeListPanel::PointOrder:
            return {"Point"};
        case ModeListPanel::UVVectors:
            return {"Nr", "U", "V", "L"};
        default:
            return {"Nr", "Parent", "Sorting", "Points"};
    }
}

QString Mark(uint8_t flag) {
    return flag ? "#" : "";
}

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

    list_ = new QTreeWidget(this);
    list_->setObjectName("OBList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSortingEnabled(false);
    list_->setAllColumnsShowFocus(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->setSectionsClickable(true);
    list_->header()->setStretchLastSection(false);
    layout->addWidget(list_, 1);
    // A click or the arrow keys make a row's item current.
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { RowClicked(item); });
    connect(list_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { RightClicked(pos); });
    connect(list_->header(), &QHeaderView::sectionClicked, this, &ModeListPanel::HeaderClicked);

    strips_ = new QStackedWidget(this);
    strips_->setObjectName("ModeStrips");
    stripOf_[Points] = new PointsStrip(ctx_, strips_);
    stripOf_[Polygons] = polygonsStrip_ = new PolygonsStrip(ctx_, strips_);
    stripOf_[PointOrder] = new PointOrderStrip(ctx_, strips_);
    stripOf_[UVVectors] = new UVStrip(ctx_, strips_);
    stripOf_[Submodels] = submodelsStrip_ = new SubmodelsStrip(ctx_, strips_);
    for (ModeStrip* strip : stripOf_) strips_->addWidget(strip);
    layout->addWidget(strips_);
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
    FillModeList();
}

void ModeListPanel::FillModeList() {
    listRefreshing_ = true;
    Editor& ed = ctx_.editor;
    const ModelStore& m = ed.Model();
    int corners = m.NumPolygons > 0 ? m.Polygons[m.CurrentPolygon].CornerCount : 0;
    if (ed.CurrentListCorner >= corners) ed.CurrentListCorner = 0;

    labelMode_->setText(MODE_CAPTIONS[listMode_]);
    // Only the shown strip claims room, so the list gets the rest.
    for (ModeStrip* strip : stripOf_) {
        QSizePolicy::Policy policy =
            strip == stripOf_[listMode_] ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        strip->setSizePolicy(policy, policy);
    }
    strips_->setCurrentWidget(stripOf_[listMode_]);
    strips_->adjustSize();
    FillRows();
    stripOf_[listMode_]->Fill();
    listRefreshing_ = false;
}

void ModeListPanel::FillRows() {
    const Editor& ed = ctx_.editor;
    const ModelStore& m = ed.Model();
    list_->clear();
    list_->setColumnCount(int(Columns(listMode_).size()));
    list_->setHeaderLabels(Columns(listMode_));
    QList<QTreeWidgetItem*> rows;
    int current = 0;
    labelMarked_->clear();
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    int corners = m.NumPolygons > 0 ? poly.CornerCount : 0;
    switch (listMode_) {
        case Points:
            for (int i = 0; i < m.NumPoints && i < MAX_POINTS; ++i) {
                const PointRecord& p = m.Points[i];
                rows << new QTreeWidgetItem({QString::number(i), Mark(m.PointMarked[i]),
                                             FormatNumber(p.X, 3), FormatNumber(p.Y, 3),
                                             FormatNumber(p.Z, 3),
                                             QString::number(m.PointSubmodel[i])});
            }
            labelCount_->setText(QString::number(m.NumPoints) + " points");
            labelMarked_->setText(QString::number(m.NumMarkedPoints) + " marked");
            labelCurrent_->setText("Point #" + QString::number(m.CurrentPoint));
            current = m.CurrentPoint;
            break;
        case Polygons:
            for (int i = 0; i < m.NumPolygons && i < MAX_POLYGONS; ++i) {
                const PolygonRecord& p = m.Polygons[i];
                QString texture;
                if (p.IsFlat()) {
                    auto c = FlatColourComponents(p.FlatColour);
                    texture = QString("<Flat> %1 %2 %3").arg(c[0]).arg(c[1]).arg(c[2]);
                } else {
                    texture = polygonsStrip_->textureName(m.FirstModelTexture + p.TextureNumber);
                }
                rows << new QTreeWidgetItem({QString::number(i), Mark(m.PolygonMarked[i]), texture,
                                             QString::number(p.CornerCount)});
            }
            labelCount_->setText(QString::number(m.NumPolygons) + " polygons");
            labelMarked_->setText(QString::number(m.NumMarkedPolygons) + " marked");
            labelCurrent_->setText("Polygon #" + QString::number(m.CurrentPolygon));
            current = m.CurrentPolygon;
            break;
        case PointOrder:
            for (int j = 0; j < corners; ++j) {
                auto* row = new QTreeWidgetItem({"Point " + QString::number(poly.Corners[j])});
                row->setData(0, Qt::UserRole, j);
                rows << row;
            }
            labelCount_->setText(QString::number(corners) + " points");
            labelCurrent_->setText("Polygon Point #" + QString::number(ed.CurrentListCorner));
            current = ed.CurrentListCorner;
            break;
        case UVVectors:
            for (int j = 0; j < corners; ++j) {
                const CornerUVLRecord& uvl = poly.CornerUVL[j];
                rows << new QTreeWidgetItem({QString::number(j), FormatNumber(uvl.U, 2),
                                             FormatNumber(uvl.V, 2), FormatNumber(uvl.L, 2)});
            }
            labelCount_->setText(QString::number(corners) + " UV vectors");
            labelCurrent_->setText("UV Vector #" + QString::number(ed.CurrentListCorner));
            current = ed.CurrentListCorner;
            break;
        default:
            for (int s = 0; s < m.NumSubmodels && s < MAX_SUBMODELS; ++s) {
                const SubmodelRecord& sub = m.Submodels[s];
                int points = 0;
                for (int i = 0; i < m.NumPoints && i < MAX_POINTS; ++i)
                    points += m.PointSubmodel[i] == s;
                QString parent = sub.Parent == NO_PARENT ? "<root>" : QString::number(sub.Parent);
                rows << new QTreeWidgetItem({QString::number(s), parent,
                                             QString::number(sub.SortPolygon),
                                             QString::number(points)});
            }
            labelCount_->setText(QString::number(m.NumSubmodels) + " submodels");
            labelCurrent_->setText("Submodel #" + QString::number(m.CurrentSubmodel));
            current = m.CurrentSubmodel;
            break;
    }
    list_->addTopLevelItems(rows);
    // Measuring every cell is most of a refresh's time: do it when the rows are new.
    if (sizedMode_ != listMode_ || sizedRows_ != rows.size()) {
        sizedMode_ = listMode_;
        sizedRows_ = rows.size();
        for (int c = 0; c < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
    }
    SelectCurrentRow(current);
}

void ModeListPanel::SelectCurrentRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
}

void ModeListPanel::RowClicked(QTreeWidgetItem* item) {
    if (listRefreshing_ || ctx_.editor.RefreshInProgress || !item) return;
    Editor& ed = ctx_.editor;
    ModelStore& m = ed.Model();
    int row = list_->indexOfTopLevelItem(item);
    switch (listMode_) {
        case Points:
            m.CurrentPoint = int16_t(row);
            break;
        case Polygons:
            m.CurrentPolygon = int16_t(row);
            break;
        case PointOrder:
            ed.CurrentListCorner = int16_t(item->data(0, Qt::UserRole).toInt());
            break;
        case UVVectors:
            ed.CurrentListCorner = int16_t(row);
            break;
        default:
            m.CurrentSubmodel = int16_t(row);
            break;
    }
    // The refresh rebuilds the rows, so it must not run inside the click of one of them.
    QMetaObject::invokeMethod(
        this, [&ed] { ed.RefreshAfterEdit(1); }, Qt::QueuedConnection);
}

void ModeListPanel::RightClicked(const QPoint& pos) {
    QTreeWidgetItem* item = list_->itemAt(pos);
    if (!item || ctx_.refreshing()) return;
    list_->setCurrentItem(item);  // the row under the mouse becomes the current item
    Editor& ed = ctx_.editor;
    if (listMode_ == Points) ctx_.run("Mark Point", [&ed] { ToggleCurrentPointMark(ed); });
    if (listMode_ == Polygons) ctx_.run("Mark Polygon", [&ed] { ToggleCurrentPolygonMark(ed); });
}

void ModeListPanel::HeaderClicked(int section) {
    if (section != 1) return;
    Editor& ed = ctx_.editor;
    if (listMode_ == Points) ctx_.run("Mark All Points", [&ed] { MarkAllPoints(ed); });
    if (listMode_ == Polygons) ctx_.run("Mark All Polygons", [&ed] { MarkAllPolygons(ed); });
}

}  // namespace fw
