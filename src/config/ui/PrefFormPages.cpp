// The five pages of the Options dialog. Each control starts from the dialog's copy of the
// values and writes its changes back into that copy.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "config/ViewerSettings.h"
#include "config/ui/PrefForm.h"
#include "external/ui/CoblDirC.h"
#include "external/ui/ModalHook.h"

namespace fw {

namespace {

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption, bool& value) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(value);
    QObject::connect(box, &QCheckBox::toggled, parent, [&value](bool on) { value = on; });
    return box;
}

QLineEdit* Field(QWidget* parent, const char* name, std::string& value) {
    auto* field = new QLineEdit(QString::fromStdString(value), parent);
    field->setObjectName(name);
    QObject::connect(field, &QLineEdit::textChanged, parent,
                     [&value](const QString& text) { value = text.toStdString(); });
    return field;
}

QSlider* IndexSlider(QWidget* parent, const char* name) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 9);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

template <size_t N>
QComboBox* Choice(QWidget* parent, const char* name, const std::array<std::string_view, N>& names,
                  int& value) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (std::string_view n : names) combo->addItem(QString::fromUtf8(n.data(), int(n.size())));
    combo->setCurrentIndex(value);
    QObject::connect(combo, &QComboBox::currentIndexChanged, parent,
                     [&value](int index) { value = index; });
    return combo;
}

}  // namespace

QWidget* PrefForm::BuildControllingPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QCheckBox* pointMove =
        Check(page, "CheckPointMove", "XY Point Movement Mode", values_.pointMove);
    // Acts at once, and stays even when the dialog is cancelled.
    connect(pointMove, &QCheckBox::toggled, this,
            [this](bool on) { target_.SetPointMoveMode(on); });
    layout->addWidget(pointMove);
    layout->addWidget(
        Check(page, "CheckCrossMark", "Show marked polygons as crossed", values_.crossMark));

    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel("Move rate:", page));
    moveRate_ = IndexSlider(page, "MoverateSlider1");
    moveRate_->setValue(values_.moveRateIndex);
    moveRateText_ = new QLabel(page);
    moveRateText_->setObjectName("MoverateLabel1");
    moveRateText_->setMinimumWidth(50);
    rateRow->addWidget(moveRate_, 1);
    rateRow->addWidget(moveRateText_);
    layout->addLayout(rateRow);
    connect(moveRate_, &QSlider::valueChanged, this, [this](int index) {
        values_.moveRateIndex = index;
        ShowMoveRate();
    });

    auto* offsets = new QGroupBox("Insert Offset", page);
    auto* form = new QFormLayout(offsets);
    const char* names[3] = {"XText", "YText", "ZText"};
    const char* captions[3] = {"X Offset", "Y Offset", "Z Offset"};
    for (int axis = 0; axis < 3; ++axis)
        form->addRow(captions[axis], Field(offsets, names[axis], values_.offsetText[axis]));
    layout->addWidget(offsets);
    layout->addStretch();
    return page;
}

QWidget* PrefForm::BuildSbxPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Check(page, "CheckISOCullFace", "&Cull-Face", values_.cullFace));
    layout->addWidget(Check(page, "CheckISOColor", "&Textured", values_.textured));
    layout->addWidget(Check(page, "CheckISOSize", "&Size2Poly", values_.size2Poly));
    layout->addWidget(Check(page, "CheckISOLine", "&Line/Poly", values_.linePoly));
    auto* form = new QFormLayout;
    form->addRow("Background color:",
                 Choice(page, "ISOBKColor", BackgroundColourNames, values_.background));
    form->addRow("Texture-set:",
                 Choice(page, "ISOTextureSet", TextureSetNames, values_.textureSet));
    layout->addLayout(form);

    auto* mode = new QGroupBox("Preview", page);
    auto* modeLayout = new QVBoxLayout(mode);
    auto* group = new QButtonGroup(mode);
    for (int option : {2, 1}) {
        auto* button = new QRadioButton(
            option == 2 ? "Textured, auto-update (full-WYSIWYG)" : "Textured, manual update", mode);
        button->setObjectName(QString("OptionIsoView%1").arg(option));
        button->setChecked(values_.isoMode == option);
        group->addButton(button, option);
        modeLayout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this](int option) { values_.isoMode = option; });
    layout->addWidget(mode);
    layout->addStretch();
    return page;
}

QWidget* PrefForm::BuildToolsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        new QLabel("Enter the path to the programs here, including the EXE file to start:", page));
    auto* grid = new QGridLayout;
    QLineEdit* shadebox = Field(page, "DirShadebox", values_.shadebox);
    auto* browse = new QPushButton("...", page);
    browse->setObjectName("DirShadeboxBrowse");
    browse->setToolTip("Choose the viewer program");
    connect(browse, &QPushButton::clicked, this, [this, shadebox] {
        QFileDialog chooser(this, "Shadebox", shadebox->text());
        chooser.setFileMode(QFileDialog::ExistingFile);
        if (ExecModal(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
            shadebox->setText(chooser.selectedFiles().first());
    });
    grid->addWidget(new QLabel("Shadebox:", page), 0, 0);
    grid->addWidget(shadebox, 0, 1);
    grid->addWidget(browse, 0, 2);
    auto* unused = new QLineEdit("NOT YET IMPLEMENTED!", page);
    unused->setObjectName("DirUnused");
    unused->setEnabled(false);
    grid->addWidget(unused, 1, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget* PrefForm::BuildDirectoriesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    QLineEdit* models = Field(page, "DirZPMF", values_.modelDir);
    auto* browse = new QPushButton("...", page);
    browse->setObjectName("DirZPMFBrowse");
    browse->setToolTip("Choose the folder");
    connect(browse, &QPushButton::clicked, this, [this, models] {
        if (auto dir = ChooseDirectoryDialog(this, models->text().toStdString()))
            models->setText(QString::fromStdString(*dir));
    });
    row->addWidget(new QLabel("ZPMF Directory:", page));
    row->addWidget(models, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget* PrefForm::BuildInterfacePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* modes = new QButtonGroup(page);
    auto* modeRow = new QHBoxLayout;
    for (int mode : {0, 1}) {
        auto* button = new QRadioButton(mode == 0 ? "SingleView" : "QuadView", page);
        button->setObjectName(QString("OptionInterface%1").arg(mode));
        button->setChecked(values_.interfaceMode == mode);
        modes->addButton(button, mode);
        modeRow->addWidget(button);
    }
    modeRow->addStretch();
    connect(modes, &QButtonGroup::idClicked, this, [this](int mode) {
        values_.interfaceMode = mode;
        values_.interfaceTouched = true;
    });
    layout->addLayout(modeRow);
    layout->addWidget(Check(page, "CheckAutoFocus", "New View Orientation", values_.viewOrient));
    layout->addWidget(
        Check(page, "CheckStretchViews", "Stretch views to their panes", values_.stretchViews));
    layout->addWidget(
        Check(page, "CheckStandardUndo", "Standard undo keys", values_.standardUndoKeys));

    auto* frame = new QGroupBox("Grid and Snap Settings", page);
    auto* grid = new QGridLayout(frame);
    auto* views = new QButtonGroup(frame);
    const char* captions[3] = {"XYView", "XZView", "ZYView"};
    for (int view = 0; view < 3; ++view) {
        viewOptions_[view] = new QRadioButton(captions[view], frame);
        viewOptions_[view]->setObjectName(QString("OpView%1").arg(view));
        viewOptions_[view]->setChecked(values_.shownView == view);
        views->addButton(viewOptions_[view], view);
        grid->addWidget(viewOptions_[view], 0, view);
    }
    connect(views, &QButtonGroup::idClicked, this, &PrefForm::ShowGridView);
    grid_ = IndexSlider(frame, "SliderGrid");
    snap_ = IndexSlider(frame, "SliderSnap");
    gridText_ = new QLabel(frame);
    gridText_->setObjectName("GridSetting");
    snapText_ = new QLabel(frame);
    snapText_->setObjectName("SnapSettings");
    grid->addWidget(gridText_, 1, 0);
    grid->addWidget(grid_, 1, 1, 1, 2);
    grid->addWidget(snapText_, 2, 0);
    grid->addWidget(snap_, 2, 1, 1, 2);
    connect(grid_, &QSlider::valueChanged, this, [this](int index) {
        if (values_.shownView < 0) return;
        values_.grid[values_.shownView] = index;
        gridText_->setText(GridCaption(index));
    });
    connect(snap_, &QSlider::valueChanged, this, [this](int index) {
        if (values_.shownView < 0) return;
        values_.snap[values_.shownView] = index;
        snapText_->setText(SnapCaption(index));
    });
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

}  // namespace fw
