#include "config/ui/PrefForm.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "external/SuiteStrings.h"
#include "external/ui/DesktopServices.h"
#include "views/ViewState.h"

namespace fw {

namespace {

// The tables hold floats: 0.1f shows as 0.1, not 0.100000001.
QString Plain(float value) {
    QString text = QString::fromStdString(FormatNumber3(value));
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text;
}

}  // namespace

QString GridCaption(int index) {
    index = std::clamp(index, 0, 9);
    return GridTable[index] == 0 ? "Grid: off" : "Grid: " + Plain(GridTable[index]);
}

QString SnapCaption(int index) {
    return "Snap: " + Plain(SnapTable[std::clamp(index, 0, 9)]);
}

PrefForm::PrefForm(const Settings& settings, OptionsTarget& target, PreviewCommands& preview,
                   QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      target_(target),
      preview_(preview),
      values_(LoadOptions(settings, target.RunState())) {
    setObjectName("PrefForm");
    setWindowTitle("Options");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabStrip1");
    tabs_->addTab(BuildControllingPage(), "Controlling");
    tabs_->addTab(BuildSbxPage(), "SBX Settings");
    tabs_->addTab(BuildToolsPage(), "Tools");
    tabs_->addTab(BuildDirectoriesPage(), "Directories");
    tabs_->addTab(BuildInterfacePage(), "Interface");
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->widget(i)->setObjectName(QString("OFrame%1").arg(i));
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("Command2");
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &PrefForm::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowMoveRate();
    ShowGridAndSnap();
    ApplySuiteFont(this);
}

void PrefForm::ShowMoveRate() {
    const MoveRateStep& step = MoveRateTable[values_.moveRateIndex];
    moveRateText_->setText(QString::fromUtf8(step.text.data(), int(step.text.size())));
}

void PrefForm::ShowGridView(int view) {
    if (view < 0 || view > 2) return;
    values_.shownView = view;
    viewOptions_[view]->setChecked(true);
    ShowGridAndSnap();
}

void PrefForm::ShowGridAndSnap() {
    int view = values_.shownView;
    bool shown = view >= 0;
    grid_->setEnabled(shown);
    snap_->setEnabled(shown);
    if (!shown) {
        gridText_->setText("Grid: choose a view");
        snapText_->setText("Snap: choose a view");
        return;
    }
    // Setting the sliders must not count as the user moving them.
    QSignalBlocker blockGrid(grid_), blockSnap(snap_);
    grid_->setValue(values_.grid[view]);
    snap_->setValue(values_.snap[view]);
    gridText_->setText(GridCaption(values_.grid[view]));
    snapText_->setText(SnapCaption(values_.snap[view]));
}

void PrefForm::Ok() {
    ApplyOptions(values_, settings_, target_, preview_);
    accept();
}

}  // namespace fw
