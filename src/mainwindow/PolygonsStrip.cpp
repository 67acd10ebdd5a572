#include "mainwindow/PolygonsStrip.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "edit/InsertDelete.h"
#include "edit/Marking.h"
#include "model/Colour.h"
#include "model/NumberText.h"

namespace fw {

PolygonsStrip::PolygonsStrip(StripContext& ctx, QWidget* parent) : ModeStrip(ctx, parent) {
    setObjectName("PolygonsStrip");
    textureName = [](int t) { return "Texture " + QString::number(t); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildButtons());
    layout->addWidget(BuildFlatFrame());
    layout->addWidget(BuildTexturedFrame());
    layout->addStretch();
}

QWidget* PolygonsStrip::BuildButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    auto add = [&](int index, const QString& text, const QString& tip, int row, int col) {
        QToolButton* b = MakeStripButton(box, "HOPIcon", index, text, tip);
        grid->addWidget(b, row, col);
        return b;
    };
    ConnectCommand(add(12, "#", "Mark Current Polygon", 0, 0), ctx_, "ToggleCurrentPolygonMark");
    ConnectCommand(add(13, "+Pg", "Insert Polygon", 0, 1), ctx_, "InsertPolygon");
    ConnectCommand(add(14, "-Pg", "Delete Marked Polygons", 0, 2), ctx_, "DeletePolygons");

    // Texture alignment of the current polygon, with the three step boxes.
    struct Tool {
        int index;
        const char *text, *tip;
    };
    const Tool tools[] = {{15, "<>", "Mirror Left/Right"},
                          {16, "^v", "Mirror Up/Down"},
                          {0, "T<", "Texture Translate Left"},
                          {1, "T>", "Texture Tanslate Right"},
                          {2, "T^", "Texture Translate Up"},
                          {3, "Tv", "Texture Translate Down"},
                          {4, "W+", "Texture Wider"},
                          {5, "W-", "Texture Thinner"},
                          {6, "H+", "Texture Taller"},
                          {7, "H-", "Texture Shorter"},
                          {8, "S+", "Texture Greater"},
                          {9, "S-", "Texture Smaller"},
                          {10, "R<", "Texture Rotate Left"},
                          {11, "R>", "Texture Rotate Right"},
                          {17, "Rst", "Reset Texture Alignment"}};
    int i = 0;
    for (const Tool& t : tools) {
        int index = t.index;
        ConnectCommand(add(index, t.text, t.tip, 1 + i / 5, i % 5), ctx_, "TextureToolbar",
                       {IntArg(index)});
        ++i;
    }
    const char* steps[3][2] = {
        {"TextOPMove", "0.100"}, {"TextOPScale", "1.100"}, {"TextOPRotate", "5.000"}};
    for (int s = 0; s < 3; ++s) {
        QLineEdit* step = MakeStripBox(box, steps[s][0], steps[s][1], 56);
        std::string* text = s == 0   ? &ctx_.editor.TextOPMove
                            : s == 1 ? &ctx_.editor.TextOPScale
                                     : &ctx_.editor.TextOPRotate;
        connect(step, &QLineEdit::textChanged, this,
                [text](const QString& value) { *text = value.toStdString(); });
        grid->addWidget(step, 4, s);
    }
    return box;
}

QGroupBox* PolygonsStrip::BuildFlatFrame() {
    frameFlat_ = new QGroupBox("Flat colour", this);
    frameFlat_->setObjectName("FrameFlat");
    auto* grid = new QGridLayout(frameFlat_);
    textFlat_ = MakeStripBox(frameFlat_, "TextFlat", "0", 70);
    grid->addWidget(textFlat_, 0, 0, 1, 2);
    connect(textFlat_, &QLineEdit::editingFinished, this, [this] {
        if (!textFlat_->isModified()) return;
        textFlat_->setModified(false);
        StoreFlatColour(int(ReadNumber(textFlat_->text().toStdString())));
    });
    const char* names[3] = {"R", "G", "B"};
    for (int c = 0; c < 3; ++c) {
        scrollFlat_[c] = new QScrollBar(Qt::Horizontal, frameFlat_);
        scrollFlat_[c]->setObjectName("HScrollFlat" + QString::number(c));
        scrollFlat_[c]->setRange(0, 31);
        grid->addWidget(new QLabel(names[c], frameFlat_), c + 1, 0);
        grid->addWidget(scrollFlat_[c], c + 1, 1);
        connect(scrollFlat_[c], &QScrollBar::valueChanged, this,
                &PolygonsStrip::StoreColourFromScrollBars);
    }
    return frameFlat_;
}

QGroupBox* PolygonsStrip::BuildTexturedFrame() {
    frameTextured_ = new QGroupBox("Texture", this);
    frameTextured_->setObjectName("FrameTextured");
    auto* layout = new QVBoxLayout(frameTextured_);
    listTextures_ = new QListWidget(frameTextured_);
    listTextures_->setObjectName("ListTextures");
    listTextures_->setMaximumHeight(110);
    layout->addWidget(listTextures_);
    connect(listTextures_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        EditModel("SetPolygonTexture", {IntArg(Model().CurrentPolygon), IntArg(row)});
    });
    return frameTextured_;
}

void PolygonsStrip::Fill() {
    const ModelStore& m = Model();
    bool any = m.NumPolygons > 0;
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    frameFlat_->setVisible(!any || poly.IsFlat());
    frameTextured_->setVisible(any && !poly.IsFlat());
    frameFlat_->setEnabled(any);

    textFlat_->setText(QString::number(any ? poly.FlatColour : 0));
    auto parts = UnpackColour15(any ? poly.FlatColour : 0);
    for (int c = 0; c < 3; ++c) scrollFlat_[c]->setValue(parts[c]);

    listTextures_->clear();
    for (int t = 0; t < m.NumberOfTextures; ++t)
        listTextures_->addItem(QString::number(t) + "  " + textureName(m.FirstModelTexture + t));
    if (any && !poly.IsFlat() && poly.TextureNumber < m.NumberOfTextures)
        listTextures_->setCurrentRow(poly.TextureNumber);
}

void PolygonsStrip::StoreFlatColour(int colour) {
    if (Model().NumPolygons < 1) return;
    EditModel("SetPolygonColour", {IntArg(Model().CurrentPolygon), IntArg(colour & 0x7FFF)});
}

void PolygonsStrip::StoreColourFromScrollBars() {
    if (ctx_.refreshing()) return;
    StoreFlatColour(
        PackColour15(scrollFlat_[0]->value(), scrollFlat_[1]->value(), scrollFlat_[2]->value()));
}

}  // namespace fw
