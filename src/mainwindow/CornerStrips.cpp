#include "mainwindow/CornerStrips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "edit/CornerOrder.h"
#include "edit/PolygonTools.h"
#include "model/NumberText.h"

namespace fw {

PointOrderStrip::PointOrderStrip(StripContext& ctx, QWidget* parent) : ModeStrip(ctx, parent) {
    setObjectName("PointOrderStrip");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QToolButton* up = MakeStripButton(this, "HELIcon", 0, "Up", "Move Up");
    layout->addWidget(up);
    ConnectCommand(up, ctx_, "MoveCornerUp");
    QToolButton* down = MakeStripButton(this, "HELIcon", 1, "Down", "Move Down");
    layout->addWidget(down);
    ConnectCommand(down, ctx_, "MoveCornerDown");
    QToolButton* flip = MakeStripButton(this, "HELIcon", 2, "Flip", "Flip Normal");
    layout->addWidget(flip);
    ConnectCommand(flip, ctx_, "FlipPolygon");
    layout->addStretch();
}

UVStrip::UVStrip(StripContext& ctx, QWidget* parent) : ModeStrip(ctx, parent) {
    setObjectName("UVStrip");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    const char* names[3] = {"U", "V", "L"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(names[i], this), 0, i);
        textUV_[i] = MakeStripBox(this, "TextUV" + QString::number(i), "0.00", 80);
        grid->addWidget(textUV_[i], 1, i);
        connect(textUV_[i], &QLineEdit::editingFinished, this, [this, i] { StoreValue(i); });
    }
    layout->addLayout(grid);

    // The current UV point's tools, with their step box.
    auto* buttons = new QGridLayout;
    const char* tips[7] = {"Align Current UV-Point",  "Align Next UV-Point",
                           "UV-Point Translate Left", "UV-Point Translate Right",
                           "UV-Point Translate Up",   "UV-Point Translate Down",
                           "Reset Texture Alignment"};
    const char* texts[7] = {"Al", "Nx", "<", ">", "^", "v", "Rst"};
    for (int i = 0; i < 7; ++i) {
        QToolButton* b = MakeStripButton(this, "HOUIcon", i, texts[i], tips[i]);
        ConnectCommand(b, ctx_, "UVToolbar", {IntArg(i)});
        buttons->addWidget(b, i / 4, i % 4);
    }
    QLineEdit* step = MakeStripBox(this, "TextUVStep", "0.100", 56);
    connect(step, &QLineEdit::textChanged, this,
            [this](const QString& value) { ctx_.editor.TextUV = value.toStdString(); });
    buttons->addWidget(step, 1, 3);
    layout->addLayout(buttons);
    layout->addStretch();
}

void UVStrip::Fill() {
    const ModelStore& m = Model();
    bool any = m.NumPolygons > 0;
    const CornerUVLRecord uvl =
        any ? m.Polygons[m.CurrentPolygon].CornerUVL[ctx_.editor.CurrentListCorner]
            : CornerUVLRecord{};
    const float values[3] = {uvl.U, uvl.V, uvl.L};
    for (int i = 0; i < 3; ++i) {
        textUV_[i]->setText(FormatNumber(values[i], 2));
        textUV_[i]->setEnabled(any);
    }
}

void UVStrip::StoreValue(int which) {
    if (ctx_.refreshing() || !textUV_[which]->isModified()) return;
    textUV_[which]->setModified(false);
    if (Model().NumPolygons < 1) return;
    double value = ReadNumber(textUV_[which]->text().toStdString());
    EditModel("SetCornerUVL",
              {IntArg(Model().CurrentPolygon), IntArg(ctx_.editor.CurrentListCorner), IntArg(which),
               NumberArg(value)});
}

}  // namespace fw
