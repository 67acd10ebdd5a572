#include "mainwindow/SubmodelsStrip.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "edit/Marking.h"
#include "edit/SortPolygonFinder.h"
#include "edit/SubmodelTools.h"

namespace fw {

SubmodelsStrip::SubmodelsStrip(StripContext& ctx, QWidget* parent) : ModeStrip(ctx, parent) {
    setObjectName("SubmodelsStrip");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* form = new QFormLayout;
    comboParent_ = new QComboBox(this);
    comboParent_->setObjectName("ComboParent");
    comboSorting_ = new QComboBox(this);
    comboSorting_->setObjectName("ComboSorting");
    form->addRow("Parent", comboParent_);
    form->addRow("Sorting", comboSorting_);
    layout->addLayout(form);
    connect(comboParent_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        int parent = comboParent_->itemData(index).toInt();
        EditModel("SetSubmodelParent", {IntArg(Model().CurrentSubmodel), IntArg(parent)});
    });
    connect(comboSorting_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        int polygon = comboSorting_->itemData(index).toInt();
        EditModel("SetSubmodelSortPolygon", {IntArg(Model().CurrentSubmodel), IntArg(polygon)});
    });

    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    struct Button {
        int index;
        const char *text, *tip, *command;
    };
    const Button buttons[] = {
        {1, "Chk", "Check and Compress", "CheckAndCompressCommand"},
        {2, "BSP", "Find Current BSP Tree", "FindCurrentSortPolygon"},
        {3, "Shw", "Show Sorting Polygons", "ShowSortingPolygons"},
        {4, "MPt", "Mark Current Submodel Points", "MarkSubmodelPoints"},
        {5, "MPg", "Mark Current Submodel Polygons", "MarkSubmodelPolygons"},
        {6, "UPt", "UnMark All Points", "UnmarkAllPoints"},
        {7, "UPg", "UnMark All Polygons", "UnmarkAllPolygons"},
        {8, "USt", "UnMark Cur/Submodel Points", "UnmarkSubmodelPoints"},
        {9, "USg", "UnMark Cur/Submodel Polygons", "UnmarkSubmodelPolygons"},
        {10, "All", "Find All", "FindAllSortPolygons"},
    };
    QToolButton* place = MakeStripButton(this, "HOMIcon", 0, "Put", "Place Points in Submodel");
    grid->addWidget(place, 0, 0);
    connect(place, &QToolButton::clicked, this, [this, place] {
        if (showPutPointsMenu) showPutPointsMenu(place);
    });
    int i = 1;
    for (const Button& b : buttons) {
        QToolButton* button = MakeStripButton(this, "HOMIcon", b.index, b.text, b.tip);
        grid->addWidget(button, i / 4, i % 4);
        ++i;
        ConnectCommand(button, ctx_, b.command);
    }
    layout->addLayout(grid);
    layout->addStretch();
}

void SubmodelsStrip::Fill() {
    FillParents();
    FillSorting();
}

void SubmodelsStrip::FillParents() {
    const ModelStore& m = Model();
    int s = m.CurrentSubmodel;
    int parent = m.Submodels[s].Parent;
    comboParent_->clear();
    // A parent must have a smaller number than its child (the stream calls children from
    // their parent), and only the root has none.
    if (s == 0) comboParent_->addItem("<root>", NO_PARENT);
    for (int p = 0; p < s; ++p) comboParent_->addItem(QString::number(p), p);
    if (comboParent_->findData(parent) < 0)
        comboParent_->addItem(parent == NO_PARENT ? "<root>" : QString::number(parent), parent);
    comboParent_->setCurrentIndex(comboParent_->findData(parent));
}

void SubmodelsStrip::FillSorting() {
    const ModelStore& m = Model();
    int s = m.CurrentSubmodel;
    int sort = m.Submodels[s].SortPolygon;
    comboSorting_->clear();
    for (int p = 0; p < m.NumPolygons; ++p)
        if (PolygonSubmodel(m, p) == s) comboSorting_->addItem(QString::number(p), p);
    if (comboSorting_->findData(sort) < 0) comboSorting_->addItem(QString::number(sort), sort);
    comboSorting_->setCurrentIndex(comboSorting_->findData(sort));
}

}  // namespace fw
