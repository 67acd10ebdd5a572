#pragma once

#include <QDialog>
#include <array>

#include "textures/TextureMapping.h"
#include "textures/ui/TextureUiContext.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fw {

// "Texture Mapping Type" (MapForm): planar, spherical and cylindrical projections, blended by
// their factors, then turned and scaled, written to every marked polygon's U, V on "Apply
// Changes". The boxes start with the planar default each time the dialog opens.
class TextureMappingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextureMappingDialog(TextureUiContext ctx, QWidget* parent = nullptr);

    // The values the boxes hold now.
    MappingInputs Inputs() const;

private:
    struct TypeBoxes {
        QGroupBox* frame;
        QLineEdit *factor, *uScale, *vScale;
        std::array<QLineEdit*, 3> centre;
        std::array<QRadioButton*, 3> axis;
    };
    QGroupBox* BuildFrame(int k);
    void Show(const MappingInputs& inputs);
    void ShowType(int k);
    void UpdateCentreBoxes();
    // Runs a mapping command on the values of the boxes and shows the values it leaves.
    void RunOnBoxes(std::string_view id, std::vector<ArgValue> args = {});

    TextureUiContext ctx_;
    std::array<TypeBoxes, 3> types_{};
    QLineEdit* rotate_;
    QLineEdit* scale_;
    std::array<QPushButton*, 6> icons_{};
};

}  // namespace fw
