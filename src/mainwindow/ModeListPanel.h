#pragma once

#include <QWidget>
#include <array>

#include "mainwindow/StripContext.h"
#include "model/ChangeSet.h"

class QButtonGroup;
class QPoint;
class QLabel;
class QStackedWidget;
class QTreeView;

namespace fw {

class ModeListModel;
class ModeStrip;
class PolygonsStrip;
class SubmodelsStrip;

// The left strip: five mode buttons, the report list OBList showing the model's points,
// polygons, corner order, UV vectors or submodels, and the tool strip of the mode.
class ModeListPanel : public QWidget {
    Q_OBJECT
public:
    enum Mode { Points = 0, Polygons, PointOrder, UVVectors, Submodels };

    ModeListPanel(StripContext& ctx, QWidget* parent);

    // Brings rows, labels and the strip's boxes of the current mode up to date.
    void FillModeList(ChangeSet changes = ChangeSet::All());
    void SetMode(int mode);
    int ListMode() const { return listMode_; }
    bool ListRefreshing() const { return listRefreshing_; }

    // The strips are built when their mode is first shown (start-up builds only the
    // Points strip); asking for one builds it.
    PolygonsStrip* PolygonsPanel();
    ModeListModel* Rows() const { return rows_; }
    SubmodelsStrip* SubmodelsPanel();
    // Names of game textures for the rows and the Polygons strip.
    void SetTextureNames(std::function<QString(int gameTexture)> names);
    // What the Submodels strip's "Put" button opens below itself.
    void SetPutPointsMenu(std::function<void(QWidget* below)> show);

private:
    QWidget* BuildModeButtons();
    ModeStrip* Strip(int mode);
    void SizeColumns();
    void FillLabels();
    void SelectCurrentRow(int row);
    void RowClicked(int row);
    void RightClicked(const QPoint& pos);
    void HeaderClicked(int section);

    StripContext& ctx_;
    int listMode_ = Points;
    bool listRefreshing_ = false;
    int sizedMode_ = -1;  // the mode and row count the column widths were measured for
    qsizetype sizedRows_ = -1;
    QButtonGroup* modeButtons_ = nullptr;
    QLabel* labelMode_ = nullptr;
    QLabel* labelCount_ = nullptr;
    QLabel* labelMarked_ = nullptr;
    QLabel* labelCurrent_ = nullptr;
    QTreeView* list_ = nullptr;
    ModeListModel* rows_ = nullptr;
    QStackedWidget* strips_ = nullptr;
    std::array<ModeStrip*, 5> stripOf_{};
    std::function<QString(int)> textureNames_;
    std::function<void(QWidget*)> putPointsMenu_;
};

}  // namespace fw
