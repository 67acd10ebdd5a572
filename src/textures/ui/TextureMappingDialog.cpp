#include "textures/ui/TextureMappingDialog.h"

#include <QEvent>
#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "edit/TextureCommands.h"
#include "external/SuiteStrings.h"
#include "model/NumberText.h"

namespace fw {

namespace {

QString Format(double value) {
    return QString::number(value, 'f', 2);
}

double Read(const QLineEdit* box) {
    return ReadNumber(box->text().toStdString());
}

// Boxes take only digits, "-" and "." and select their text when they get the focus.
class NumberBoxFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return false;
    }
};

}  // namespace

TextureMappingDialog::TextureMappingDialog(TextureUiContext ctx, QWidget* parent)
    : QDialog(parent), ctx_(std::move(ctx)) {
    setObjectName("MapForm");
    setWindowTitle("Texture Mapping Type");
    auto* layout = new QVBoxLayout(this);
    for (int k = 0; k < 3; ++k) layout->addWidget(BuildFrame(k));

    auto* overall = new QGroupBox("Overall", this);
    auto* grid = new QGridLayout(overall);
    rotate_ = new QLineEdit(overall);
    rotate_->setObjectName("RotateText");
    scale_ = new QLineEdit(overall);
    scale_->setObjectName("ScaleText");
    grid->addWidget(new QLabel("Rotation (deg)", overall), 0, 0);
    grid->addWidget(rotate_, 0, 1);
    grid->addWidget(new QLabel("Scaling", overall), 1, 0);
    grid->addWidget(scale_, 1, 1);
    layout->addWidget(overall);

    const char* captions[6] = {"Planar",      "Spherical",     "Cylindrical",
                               "Get Center", "Apply Changes", "Cancel"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        icons_[i] = new QPushButton(captions[i], this);
        icons_[i]->setObjectName("MIcon" + QString::number(i));
        icons_[i]->setAutoDefault(false);
        buttons->addWidget(icons_[i]);
    }
    layout->addLayout(buttons);
    for (int k = 0; k < 3; ++k)
        connect(icons_[k], &QPushButton::clicked, this, [this, k] {
            static constexpr const char* names[3] = {"planar", "spherical", "cylindrical"};
            RunOnBoxes("MapDefaults", {WordValue(names[k])});
            ShowType(k);
        });
    connect(icons_[3], &QPushButton::clicked, this, [this] { RunOnBoxes("MapGetCenter"); });
    connect(icons_[4], &QPushButton::clicked, this, [this] {
        RunOnBoxes("MapTextures");
        accept();
    });
    connect(icons_[5], &QPushButton::clicked, this, &QDialog::reject);

    auto* filter = new NumberBoxFilter(this);
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression("[0-9.\\-]*"), this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setValidator(validator);
        box->installEventFilter(filter);
    }
    // The inputs are not kept between openings.
    Show(OpeningMappingInputs());
    ShowType(0);
    icons_[3]->setEnabled(ctx_.editor.Model().NumMarkedPoints > 0);
}

QGroupBox* TextureMappingDialog::BuildFrame(int k) {
    static constexpr const char* titles[3] = {"Planar Mapping", "Spherical Mapping",
                                              "Cylindrical Mapping"};
    TypeBoxes& t = types_[k];
    t.frame = new QGroupBox(titles[k], this);
    t.frame->setObjectName("TypeFrame" + QString::number(k));
    auto* grid = new QGridLayout(t.frame);
    auto box = [&](const char* name, const char* label, int row, int col) {
        auto* edit = new QLineEdit(t.frame);
        edit->setObjectName(QString(name) + QString::number(k));
        grid->addWidget(new QLabel(label, t.frame), row, col * 2);
        grid->addWidget(edit, row, col * 2 + 1);
        return edit;
    };
    t.factor = box("FactorText", "Factor", 0, 0);
    t.uScale = box("UScaleText", "U Scale", 1, 0);
    t.vScale = box("VScaleText", "V Scale", 2, 0);
    t.centre = {box("XText", "X", 0, 1), box("YText", "Y", 1, 1), box("ZText", "Z", 2, 1)};
    static constexpr const char* planes[3] = {"ZY Plane", "XZ Plane", "XY Plane"};
    static constexpr const char* axes[3] = {"X Axis", "Y Axis", "Z Axis"};
    for (int a = 0; a < 3; ++a) {
        t.axis[a] = new QRadioButton(k == 2 ? axes[a] : planes[a], t.frame);
        t.axis[a]->setObjectName("Axis" + QString::number(a + 1) + "_" + QString::number(k));
        grid->addWidget(t.axis[a], a, 4);
        connect(t.axis[a], &QRadioButton::toggled, this, [this] { UpdateCentreBoxes(); });
    }
    return t.frame;
}

MappingInputs TextureMappingDialog::Inputs() const {
    MappingInputs in;
    for (int k = 0; k < 3; ++k) {
        const TypeBoxes& t = types_[k];
        MappingSet& set = in.Set(static_cast<MappingType>(k));
        set.Factor = Read(t.factor);
        set.UScale = Read(t.uScale);
        set.VScale = Read(t.vScale);
        set.Centre = {Read(t.centre[0]), Read(t.centre[1]), Read(t.centre[2])};
        for (int a = 0; a < 3; ++a)
            if (t.axis[a]->isChecked()) set.Axis = a;
    }
    in.Rotation = Read(rotate_);
    in.Scaling = Read(scale_);
    return in;
}

void TextureMappingDialog::Show(const MappingInputs& in) {
    for (int k = 0; k < 3; ++k) {
        const MappingSet& set = in.Set(static_cast<MappingType>(k));
        TypeBoxes& t = types_[k];
        t.factor->setText(Format(set.Factor));
        t.uScale->setText(Format(set.UScale));
        t.vScale->setText(Format(set.VScale));
        for (int c = 0; c < 3; ++c) {
            double v = c == 0 ? set.Centre.X : c == 1 ? set.Centre.Y : set.Centre.Z;
            t.centre[c]->setText(QString::fromStdString(FormatNumber3(v)));
        }
        t.axis[std::clamp(set.Axis, 0, 2)]->setChecked(true);
    }
    rotate_->setText(Format(in.Rotation));
    scale_->setText(Format(in.Scaling));
}

void TextureMappingDialog::ShowType(int k) {
    for (int i = 0; i < 3; ++i) types_[i].frame->setVisible(i == k);
}

void TextureMappingDialog::UpdateCentreBoxes() {
    // In the planar frame the centre coordinate along the plane's normal does nothing.
    const TypeBoxes& t = types_[0];
    for (int a = 0; a < 3; ++a) t.centre[a]->setEnabled(!t.axis[a]->isChecked());
}

void TextureMappingDialog::RunOnBoxes(std::string_view id, std::vector<ArgValue> args) {
    MappingOf(ctx_.editor) = Inputs();
    ctx_.run(id, std::move(args), {});
    Show(MappingOf(ctx_.editor));
}

}  // namespace fw
