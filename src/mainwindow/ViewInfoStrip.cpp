#include "mainwindow/ViewInfoStrip.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/StripContext.h"
#include "views/ViewKeys.h"

namespace fw {

namespace {

struct ViewButtonInfo {
    int index;
    const char *text, *tip, *command;
};
const ViewButtonInfo VIEW_BUTTONS[] = {
    {0, "Z+", "Zoom In", "ZoomIn"},
    {1, "Z-", "Zoom Out", "ZoomOut"},
    {2, ">>", "Shift Display Right", "ShiftRight"},
    {3, "<<", "Shift Display Left", "ShiftLeft"},
    {4, "vv", "Shift Display Down", "ShiftDown"},
    {5, "^^", "Shift Display Up", "ShiftUp"},
    {6, "Ctr", "Re-Center View", "RecenterView"},
    {ZOOM_TO_FIT_BUTTON, "Fit", "Zoom to Fit", "ZoomToFit"},
    {11, "R<", "Rotate Left", "RotateIsoLeft"},
    {12, "R>", "Rotate Right", "RotateIsoRight"},
    {13, "R^", "Rotate Up", "RotateIsoUp"},
    {14, "Rv", "Rotate Down", "RotateIsoDown"},
};

}  // namespace

ViewInfoStrip::ViewInfoStrip(Editor& ed, ViewState& views, QWidget* parent)
    : QWidget(parent), ed_(ed), views_(views) {
    setObjectName("ViewInfoStrip");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    labelView_ = new QLabel(this);
    labelView_->setObjectName("LabelView");
    QFont bold = labelView_->font();
    bold.setBold(true);
    labelView_->setFont(bold);
    // Wide enough for the longest caption on one line.
    int widest = 0;
    for (int v = 0; v < VIEW_COUNT; ++v)
        widest = std::max(widest, labelView_->fontMetrics().horizontalAdvance(ViewCaption(v)));
    labelView_->setMinimumWidth(widest + 2 * labelView_->margin() + 2);
    layout->addWidget(labelView_);

    auto* grid = new QGridLayout;
    coordinate1_ = AddValue(grid, 0, "LabelCoordinate1", "X", "Coordinate1", "");
    coordinate2_ = AddValue(grid, 1, "LabelCoordinate2", "Y", "Coordinate2", "");
    labelCoordinate1_ = findChild<QLabel*>("LabelCoordinate1");
    labelCoordinate2_ = findChild<QLabel*>("LabelCoordinate2");
    zoom_ = AddValue(grid, 2, "Label17", "Zoom", "CoordinateZoom", "0.00");
    move_ = AddValue(grid, 3, "Label16", "Move", "CoordinateMove", "0.2");
    grid_ = AddValue(grid, 4, "Label15", "Grid", "CoordinateGrid", "1.00");
    snap_ = AddValue(grid, 5, "Label14", "Snap", "CoordinateSnap", "1.00");
    gridCaption_ = findChild<QLabel*>("Label15");
    snapCaption_ = findChild<QLabel*>("Label14");
    layout->addLayout(grid);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(1);
    int i = 0;
    for (const ViewButtonInfo& b : VIEW_BUTTONS) {
        QToolButton* button = MakeStripButton(this, "HIcon", b.index, b.text, b.tip);
        buttons->addWidget(button, i / 2, i % 2);
        ++i;
        button->setProperty("commandId", b.command);
        std::string_view id = b.command;
        connect(button, &QToolButton::clicked, this, [this, id] {
            if (runCommand) runCommand(id);
        });
    }
    layout->addLayout(buttons);
    layout->addStretch();
    ShowViewState();
}

QLabel* ViewInfoStrip::AddValue(QGridLayout* grid, int row, const char* captionName,
                                const QString& caption, const char* valueName,
                                const QString& value) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(captionName);
    auto* field = new QLabel(value, this);
    field->setObjectName(valueName);
    field->setMinimumWidth(56);
    field->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

void ViewInfoStrip::ShowViewState() {
    int view = views_.CurrentView;
    // The mouse position of another view means nothing under this view's axis letters.
    if (view != shownView_) {
        coordinate1_->clear();
        coordinate2_->clear();
        shownView_ = view;
    }
    QString caption = ViewCaption(view);
    labelView_->setText(caption);
    bool iso = view == VIEW_ISO;
    labelCoordinate1_->setText(iso ? "" : caption.left(1));
    labelCoordinate2_->setText(iso ? "" : caption.mid(1, 1));
    const ViewSettings& s = views_.Views[view];
    zoom_->setText(FormatNumber(s.ZoomLevel, 2));
    move_->setText(QString::number(double(views_.PanStep)));
    gridCaption_->setText(iso ? "H-Ang" : "Grid");
    snapCaption_->setText(iso ? "V-Ang" : "Snap");
    if (iso) {
        grid_->setText(QString::number(views_.HAngle));
        snap_->setText(QString::number(views_.VAngle));
        coordinate1_->clear();
        coordinate2_->clear();
    } else {
        float spacing = s.GridSpacing();
        grid_->setText(spacing <= 0 ? "Off" : FormatNumber(spacing, 2));
        snap_->setText(FormatNumber(s.SnapStep(), 3));
    }
}

void ViewInfoStrip::ShowMousePosition(int view, double h, double v) {
    if (view != views_.CurrentView || view == VIEW_ISO) return;
    coordinate1_->setText(FormatNumber(h, 2));
    coordinate2_->setText(FormatNumber(v, 2));
}

}  // namespace fw
