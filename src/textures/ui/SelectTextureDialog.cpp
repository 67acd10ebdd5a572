#include "textures/ui/SelectTextureDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QSpinBox>

#include "edit/TextureCommands.h"
#include "textures/TextureCatalogue.h"
#include "model/NumberText.h"
#include "textures/FlatColour.h"
#include "textures/TextureNames.h"

namespace fw {

namespace {

// The integer part of what a box holds, read as the boxes are read.
int BoxInt(const QLineEdit* box) {
    return static_cast<int>(ReadNumber(box->text().toStdString()));
}

bool Unfilled(const QLineEdit* box) {
    return box->text().isEmpty() || box->text() == "n/a";
}

}  // namespace

SelectTextureDialog::SelectTextureDialog(TextureUiContext ctx, QWidget* parent)
    : QDialog(parent), ctx_(std::move(ctx)) {
    setObjectName("PolyForm");
    setWindowTitle("Select Texture");
    auto* top = new QHBoxLayout(this);
    top->setSizeConstraint(QLayout::SetNoConstraint);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);

    optionFlat_ = new QRadioButton("&Flat Polygon", this);
    optionFlat_->setObjectName("OptionFlat");
    optionTex_ = new QRadioButton("&Textured Polygon", this);
    optionTex_->setObjectName("OptionTex");
    textureBox_ = new QLineEdit(this);
    textureBox_->setObjectName("PolyText2");
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(optionFlat_);
    kindRow->addWidget(optionTex_);
    kindRow->addWidget(textureBox_);
    left->addLayout(kindRow);

    frameFlat_ = new QGroupBox("Colour", this);
    frameFlat_->setObjectName("FrameFlat");
    auto* flatGrid = new QGridLayout(frameFlat_);
    const char* labels[3] = {"Red Percentage", "Green Percentage", "Blue Percentage"};
    for (int i = 0; i < 3; ++i) {
        percent_[i] = new QLineEdit(frameFlat_);
        percent_[i]->setObjectName("Text1_" + QString::number(i));
        slider_[i] = new QSlider(Qt::Horizontal, frameFlat_);
        slider_[i]->setObjectName("Slider1_" + QString::number(i));
        slider_[i]->setRange(0, 100);
        flatGrid->addWidget(new QLabel(labels[i], frameFlat_), i, 0);
        flatGrid->addWidget(percent_[i], i, 1);
        flatGrid->addWidget(slider_[i], i, 2);
        connect(percent_[i], &QLineEdit::textChanged, this, [this, i] { PercentChanged(i); });
        connect(slider_[i], &QSlider::valueChanged, this, [this, i](int value) {
            if (value != BoxInt(percent_[i])) percent_[i]->setText(QString::number(value));
        });
    }
    sampleFlat_ = new QLabel(frameFlat_);
    sampleFlat_->setObjectName("SampleFlat");
    sampleFlat_->setFixedSize(64, 64);
    sampleFlat_->setAutoFillBackground(true);
    flatGrid->addWidget(sampleFlat_, 0, 3, 3, 1);
    left->addWidget(frameFlat_);

    frameTextured_ = new QGroupBox("Texture", this);
    frameTextured_->setObjectName("FrameTextured");
    auto* texGrid = new QGridLayout(frameTextured_);
    texCombo_ = new QComboBox(frameTextured_);
    texCombo_->setObjectName("TexCombo");
    texName_ = new QLabel(frameTextured_);
    texName_->setObjectName("TexName");
    sampleTextured_ = new QLabel(frameTextured_);
    sampleTextured_->setObjectName("SampleTextured");
    sampleTextured_->setFixedSize(64, 64);
    listView_ = new QListWidget(frameTextured_);
    listView_->setObjectName("ListView1");
    listView_->setViewMode(QListView::IconMode);
    listView_->setIconSize(QSize(32, 32));
    texGrid->addWidget(texCombo_, 0, 0);
    texGrid->addWidget(texName_, 1, 0);
    texGrid->addWidget(sampleTextured_, 0, 1, 2, 1);
    texGrid->addWidget(listView_, 2, 0, 1, 2);
    left->addWidget(frameTextured_);
    connect(texCombo_, &QComboBox::activated, this, [this](int p) { ChooseTexture(p); });
    texCombo_->installEventFilter(this);
    connect(listView_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        textureBox_->setText(QString::number(listView_->row(item)));
    });

    auto* buttons = new QHBoxLayout;
    globalButton_ = new QPushButton("&Global Settings >>", this);
    globalButton_->setObjectName("Command5");
    auto* current = new QPushButton("&Current Apply", this);
    current->setObjectName("Command6");
    auto* marked = new QPushButton("&Marked Apply", this);
    marked->setObjectName("Command9");
    auto* close = new QPushButton("&Cl&ose", this);
    close->setObjectName("Command4");
    for (QPushButton* b : {globalButton_, current, marked, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    left->addLayout(buttons);
    connect(globalButton_, &QPushButton::clicked, this, &SelectTextureDialog::Widen);
    connect(current, &QPushButton::clicked, this, [this] { Apply(false); });
    connect(marked, &QPushButton::clicked, this, [this] { Apply(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    frameGlobal_ = new QGroupBox("Global settings (affect the whole polygon model)", this);
    frameGlobal_->setObjectName("FrameGlobal");
    auto* globalGrid = new QGridLayout(frameGlobal_);
    firstBox_ = new QLineEdit(frameGlobal_);
    firstBox_->setObjectName("Text2");
    firstSpin_ = new QSpinBox(frameGlobal_);
    firstSpin_->setObjectName("VScroll2");
    firstSpin_->setRange(0, 579);
    countBox_ = new QLineEdit(frameGlobal_);
    countBox_->setObjectName("Text3");
    countSpin_ = new QSpinBox(frameGlobal_);
    countSpin_->setObjectName("VScroll3");
    countSpin_->setRange(1, 19);
    globalGrid->addWidget(new QLabel("First Model Texture", frameGlobal_), 0, 0);
    globalGrid->addWidget(firstBox_, 1, 0);
    globalGrid->addWidget(firstSpin_, 1, 1);
    globalGrid->addWidget(new QLabel("Number of Textures", frameGlobal_), 2, 0);
    globalGrid->addWidget(countBox_, 3, 0);
    globalGrid->addWidget(countSpin_, 3, 1);
    top->addWidget(frameGlobal_);

    connect(textureBox_, &QLineEdit::textChanged, this, &SelectTextureDialog::TextureBoxChanged);
    connect(firstBox_, &QLineEdit::textChanged, this, &SelectTextureDialog::FirstTextureChanged);
    connect(countBox_, &QLineEdit::textChanged, this, &SelectTextureDialog::CountChanged);
    connect(firstSpin_, &QSpinBox::valueChanged, this, [this](int v) {
        if (v != BoxInt(firstBox_)) firstBox_->setText(QString::number(v));
    });
    connect(countSpin_, &QSpinBox::valueChanged, this, [this](int v) {
        if (v != BoxInt(countBox_)) countBox_->setText(QString::number(v));
    });
    connect(optionFlat_, &QRadioButton::clicked, this, &SelectTextureDialog::SelectFlat);
    connect(optionTex_, &QRadioButton::clicked, this, &SelectTextureDialog::SelectTextured);
    Open();
}

void SelectTextureDialog::Open() {
    ctx_.editor.ShowStatus("", 0);
    frameGlobal_->setVisible(false);
    setFixedWidth(NARROW_TWIPS / TWIPS_PER_PIXEL);
    lowestCount_ = LowestTextureCount(Model());
    Fill();
    bool flat = BoxInt(textureBox_) == -1;
    if (flat) {
        optionFlat_->setChecked(true);
        SelectFlat();
        std::array<int, 3> p = ColourToPercents(Model().Polygons[Model().CurrentPolygon].FlatColour);
        for (int i = 0; i < 3; ++i) percent_[i]->setText(QString::number(p[i]));
        if (texCombo_->count() > 0) texCombo_->setCurrentIndex(0);
    } else {
        optionTex_->setChecked(true);
        SelectTextured();
        for (QLineEdit* box : percent_) box->setText("0");
    }
}

void SelectTextureDialog::Fill() {
    const ModelStore& m = Model();
    busy_ = true;
    countBox_->setText(QString::number(m.NumberOfTextures));
    firstBox_->setText(QString::number(m.FirstModelTexture));
    textureBox_->setText(QString::number(m.Polygons[m.CurrentPolygon].TextureNumber));
    busy_ = false;
    listView_->clear();
    texCombo_->clear();
    std::vector<std::string> names;
    FillModelTextureList(ctx_.catalogue.Names(), m, names);
    for (int t = 0; t < static_cast<int>(names.size()); ++t) {
        QString name = QString::fromStdString(names[t]);
        QImage picture = ModelTextureImage(ctx_.catalogue, m, t);
        listView_->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(picture)), name));
        texCombo_->addItem(name);
    }
    int t = BoxInt(textureBox_);
    if (t >= 0 && t < texCombo_->count()) ChooseTexture(t);
}

void SelectTextureDialog::ShowKind() {
    bool flat = BoxInt(textureBox_) == -1;
    frameFlat_->setVisible(flat);
    frameTextured_->setVisible(!flat);
    int t = BoxInt(textureBox_);
    if (!flat && t >= 0 && t < texCombo_->count()) ChooseTexture(t);
}

void SelectTextureDialog::SelectFlat() {
    if (BoxInt(textureBox_) != -1) textureBox_->setText("-1");
    ShowKind();
}

void SelectTextureDialog::SelectTextured() {
    if (BoxInt(textureBox_) == -1) textureBox_->setText("0");
    ShowKind();
    PercentChanged(0);
}

void SelectTextureDialog::ChooseTexture(int p) {
    if (p < 0 || p >= texCombo_->count()) return;
    texCombo_->setCurrentIndex(p);
    texName_->setText(texCombo_->itemText(p));
    if (BoxInt(textureBox_) != p) textureBox_->setText(QString::number(p));
    QImage picture = ModelTextureImage(ctx_.catalogue, Model(), p);
    if (picture.isNull() && comboKey_)
        Message("", "Texture directory not present...");  // the sample keeps its picture
    else if (picture.isNull())
        ctx_.editor.ShowStatus("Texture not found", -1);
    else
        sampleTextured_->setPixmap(QPixmap::fromImage(picture));
}

void SelectTextureDialog::TextureBoxChanged() {
    if (busy_ || textureBox_->text().isEmpty()) return;
    int t = BoxInt(textureBox_);
    int last = Model().NumberOfTextures - 1;
    if (t > last || t < -1) {
        Message("", "Texture number must be between 0 and " + QString::number(last));
        textureBox_->setText("0");
        return;
    }
    if (t >= 0) ChooseTexture(t);
    ShowKind();
}

void SelectTextureDialog::PercentChanged(int i) {
    if (Unfilled(firstBox_)) return;
    int p = BoxInt(percent_[i]);
    if (p < 0 || p > 100) {
        percent_[i]->setText(p < 0 ? "0" : "100");
        return;  // the new text runs this again
    }
    if (slider_[i]->value() != p) slider_[i]->setValue(p);
    QPalette palette = sampleFlat_->palette();
    palette.setColor(QPalette::Window, QColor(SampleIntensity(BoxInt(percent_[0])),
                                              SampleIntensity(BoxInt(percent_[1])),
                                              SampleIntensity(BoxInt(percent_[2]))));
    sampleFlat_->setPalette(palette);
}

QColor SelectTextureDialog::SampleColour() const {
    return sampleFlat_->palette().color(QPalette::Window);
}

void SelectTextureDialog::FirstTextureChanged() {
    if (busy_ || Unfilled(firstBox_)) return;
    double value = ReadNumber(firstBox_->text().toStdString());
    if (!(value > -1 && value < 580)) return;  // ignored without a message
    int first = static_cast<int>(value);
    if (first != Model().FirstModelTexture)
        ctx_.run("SetFirstModelTexture", {IntValue(first)}, {});
    if (firstSpin_->value() != first) firstSpin_->setValue(first);
    Fill();
}

void SelectTextureDialog::CountChanged() {
    if (busy_ || Unfilled(countBox_)) return;
    double value = ReadNumber(countBox_->text().toStdString());
    if (value >= 20) return;  // ignored without a message
    // Below the lowest allowed count the command shows "Too low number" and sets that count.
    int count = static_cast<int>(value);
    if (value < lowestCount_ || value > 0) {
        messageShown_ = true;
        ctx_.run("SetNumberOfTextures", {IntValue(count)}, {});
        messageShown_ = false;
    }
    int now = Model().NumberOfTextures;
    if (countSpin_->value() != now) countSpin_->setValue(now);
    Fill();
}

void SelectTextureDialog::Apply(bool marked) {
    messageShown_ = true;
    ctx_.run("ApplyAttributes",
             {WordValue(marked ? "marked" : "current"), IntValue(BoxInt(textureBox_)),
              IntValue(BoxInt(percent_[0])), IntValue(BoxInt(percent_[1])),
              IntValue(BoxInt(percent_[2]))},
             {});
    messageShown_ = false;
}

void SelectTextureDialog::Widen() {
    frameGlobal_->setVisible(true);
    setFixedWidth(WIDE_TWIPS / TWIPS_PER_PIXEL);
    globalButton_->setEnabled(false);
}

void SelectTextureDialog::Message(const QString& title, const QString& text) {
    messageShown_ = true;
    ctx_.editor.ShowMessage(title.toStdString(), text.toStdString());
    messageShown_ = false;
}

// A picture that cannot be loaded while the user steps through the names with the keys
// brings a message box; chosen with the mouse it only shows in the status line.
bool SelectTextureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != texCombo_ || event->type() != QEvent::KeyPress || comboKey_) return false;
    QScopedValueRollback<bool> inKey(comboKey_, true);
    static_cast<QObject*>(texCombo_)->event(event);
    return true;
}

void SelectTextureDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() &&
        !messageShown_)
        accept();
}

}  // namespace fw
