#include "mainwindow/PointsStrip.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "edit/InsertDelete.h"
#include "edit/Marking.h"
#include "edit/Transform.h"
#include "model/NumberText.h"

namespace fw {

namespace {
const char* const AXIS_NAMES[3] = {"X", "Y", "Z"};
}

PointsStrip::PointsStrip(StripContext& ctx, QWidget* parent) : ModeStrip(ctx, parent) {
    setObjectName("PointsStrip");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* coords = new QGridLayout;
    for (int axis = 0; axis < 3; ++axis) {
        coords->addWidget(new QLabel(AXIS_NAMES[axis], this), 0, axis);
        textPoints_[axis] = MakeStripBox(this, "TextPoints" + QString::number(axis), "0.000", 80);
        coords->addWidget(textPoints_[axis], 1, axis);
        connect(textPoints_[axis], &QLineEdit::editingFinished, this,
                [this, axis] { StorePointCoordinate(axis); });
    }
    layout->addLayout(coords);
    layout->addWidget(BuildButtons());
    layout->addWidget(BuildMoveRate());
    layout->addWidget(BuildTransformPanel());
    layout->addStretch();
}

QWidget* PointsStrip::BuildButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    auto add = [&](int index, const QString& text, const QString& tip, int row, int col,
                   const char* command, std::vector<ArgValue> args = {}) {
        QToolButton* b = MakeStripButton(box, "HOOIcon", index, text, tip);
        grid->addWidget(b, row, col);
        ConnectCommand(b, ctx_, command, std::move(args));
    };
    add(1, "+Pt", "Insert A Point", 0, 0, "InsertPoint");
    add(2, "-Pt", "Delete Points", 0, 1, "DeletePoints");
    add(10, "#", "Mark/Unmark Point", 0, 2, "ToggleCurrentPointMark");
    add(9, "Ctr", "Get Center", 0, 3, "GetCenter");
    // Index, axis and sign of the six move buttons.
    struct Move {
        int index, axis, sign;
        const char *text, *tip;
    };
    const Move moves[] = {{3, 1, -1, "X-", "Decrease X"}, {4, 1, +1, "X+", "Increase X"},
                          {6, 2, -1, "Y-", "Decrease Y"}, {5, 2, +1, "Y+", "Increase Y"},
                          {8, 3, -1, "Z-", "Decrease Z"}, {7, 3, +1, "Z+", "Increase Z"}};
    int col = 0;
    for (const Move& m : moves) {
        add(m.index, m.text, m.tip, 1, col++, "MoveMarkedPoints",
            {IntArg(m.axis), IntArg(m.sign), IntArg(1)});
    }
    return box;
}

QWidget* PointsStrip::BuildMoveRate() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    moveRateSlider_ = new QSlider(Qt::Horizontal, box);
    moveRateSlider_->setObjectName("MoverateSlider1");
    moveRateSlider_->setToolTip("Adjust Move Rate");
    moveRateSlider_->setRange(0, int(MoveRateTable.size()) - 1);
    moveRateSlider_->setPageStep(1);
    moveRateSlider_->setFocusPolicy(Qt::NoFocus);
    moveRateLabel_ = new QLabel(box);
    moveRateLabel_->setObjectName("MoverateLabel1");
    moveRateLabel_->setMinimumWidth(40);
    row->addWidget(new QLabel("Move", box));
    row->addWidget(moveRateSlider_);
    row->addWidget(moveRateLabel_);

    int index = ctx_.settings.MoveRateIndex();
    moveRateSlider_->setValue(index);
    moveRateLabel_->setText(
        QString::fromUtf8(MoveRateTable[index].text.data(), int(MoveRateTable[index].text.size())));
    ctx_.editor.MoveRate = MoveRateTable[index].value;
    connect(moveRateSlider_, &QSlider::valueChanged, this, &PointsStrip::SetMoveRate);
    return box;
}

QWidget* PointsStrip::BuildTransformPanel() {
    auto* group = new QGroupBox("Rotate / Scale", this);
    group->setObjectName("FrameTransform");
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    Editor& ed = ctx_.editor;
    for (int axis = 0; axis < 3; ++axis) {
        grid->addWidget(new QLabel(AXIS_NAMES[axis], group), 0, axis + 1);
        textCenter_[axis] = MakeStripBox(group, "TextCenter" + QString::number(axis),
                                         QString::fromStdString(ed.TextCenter[axis]));
        textScale_[axis] = MakeStripBox(group, "TextScale" + QString::number(axis),
                                        QString::fromStdString(ed.TextScale[axis]));
        grid->addWidget(textCenter_[axis], 1, axis + 1);
        grid->addWidget(textScale_[axis], 2, axis + 1);
        connect(textCenter_[axis], &QLineEdit::textEdited, this,
                [&ed, axis](const QString& t) { ed.TextCenter[axis] = t.toStdString(); });
        connect(textScale_[axis], &QLineEdit::textEdited, this,
                [&ed, axis](const QString& t) { ed.TextScale[axis] = t.toStdString(); });
    }
    grid->addWidget(new QLabel("Center", group), 1, 0);
    grid->addWidget(new QLabel("Scale", group), 2, 0);
    grid->addWidget(new QLabel("Angle", group), 3, 0);
    textRotate_ = MakeStripBox(group, "TextRotate", QString::fromStdString(ed.TextRotate));
    grid->addWidget(textRotate_, 3, 1);
    connect(textRotate_, &QLineEdit::textEdited, this,
            [&ed](const QString& t) { ed.TextRotate = t.toStdString(); });

    struct Rotate {
        const char *name, *text, *tip;
        int sign, a, b;
    };
    const Rotate rotations[] = {{"RotateXYdec", "XY-", "Rotate XY -", -1, 1, 2},
                                {"RotateXYinc", "XY+", "Rotate XY +", 1, 1, 2},
                                {"RotateXZdec", "XZ-", "Rotate XZ -", -1, 1, 3},
                                {"RotateXZinc", "XZ+", "Rotate XZ +", 1, 1, 3},
                                {"RotateZYdec", "ZY-", "Rotate ZY -", -1, 3, 2},
                                {"RotateZYinc", "ZY+", "Rotate ZY +", 1, 3, 2}};
    int i = 0;
    for (const Rotate& r : rotations) {
        QToolButton* b = MakeStripButton(group, r.name, 0, r.text, r.tip);
        b->setObjectName(r.name);
        grid->addWidget(b, 4 + i / 2, 1 + i % 2);
        ++i;
        ConnectCommand(b, ctx_, "RotateMarkedPoints", {IntArg(r.sign), IntArg(r.a), IntArg(r.b)});
    }
    for (int direction : {-1, 1}) {
        QString name = direction < 0 ? "ScaleDec" : "ScaleInc";
        QToolButton* b = MakeStripButton(group, name, 0, direction < 0 ? "S-" : "S+",
                                         direction < 0 ? "Scale Down" : "Scale Up");
        b->setObjectName(name);
        grid->addWidget(b, 4 + (direction > 0), 3);
        connect(b, &QToolButton::pressed, this, [&ed] { ed.ShowStatus("", 0); });
        ConnectCommand(b, ctx_, "ScaleMarkedPoints", {IntArg(direction)});
    }
    return group;
}

void PointsStrip::Fill() {
    const ModelStore& m = Model();
    const PointRecord& p = m.Points[m.CurrentPoint];
    const double values[3] = {p.X, p.Y, p.Z};
    for (int axis = 0; axis < 3; ++axis) textPoints_[axis]->setText(FormatNumber(values[axis], 3));
    const Editor& ed = ctx_.editor;
    for (int axis = 0; axis < 3; ++axis) {
        textCenter_[axis]->setText(QString::fromStdString(ed.TextCenter[axis]));
        textScale_[axis]->setText(QString::fromStdString(ed.TextScale[axis]));
    }
    textRotate_->setText(QString::fromStdString(ed.TextRotate));
}

void PointsStrip::StorePointCoordinate(int axis) {
    if (ctx_.refreshing() || !textPoints_[axis]->isModified()) return;
    textPoints_[axis]->setModified(false);
    double value = ReadNumber(textPoints_[axis]->text().toStdString());
    EditModel("SetPointCoordinate",
              {IntArg(Model().CurrentPoint), IntArg(axis + 1), NumberArg(value)});
}

void PointsStrip::SetMoveRate(int index) {
    const MoveRateStep& step = MoveRateTable[index];
    ctx_.editor.MoveRate = step.value;
    moveRateLabel_->setText(QString::fromUtf8(step.text.data(), int(step.text.size())));
    if (std::string error = ctx_.settings.SetMoveRateIndex(index); !error.empty())
        ctx_.editor.ShowStatus(error, -1);
}

}  // namespace fw
