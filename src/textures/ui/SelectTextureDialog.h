#pragma once

#include <QDialog>
#include <array>

#include "textures/ui/TextureUiContext.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace fw {

// "Select Texture" (PolyForm): flat colour or texture of the current polygon, applied to
// the current or the marked polygons, and the model's texture window. It edits a copy of the
// polygon's attributes until an apply button is pressed; the texture window changes as soon
// as a valid value is typed. Closes on Close and when it loses the focus.
class SelectTextureDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectTextureDialog(TextureUiContext ctx, QWidget* parent = nullptr);

    // Widths in twips: without and with the global settings frame.
    static constexpr int NARROW_TWIPS = 6420, WIDE_TWIPS = 7380;

    // The colour sample's current colour (tests).
    QColor SampleColour() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Open();
    void Fill();
    void ShowKind();
    void SelectFlat();
    void SelectTextured();
    void TextureBoxChanged();
    void PercentChanged(int i);
    void FirstTextureChanged();
    void CountChanged();
    void ChooseTexture(int p);
    void Apply(bool marked);
    void Widen();
    void Message(const QString& title, const QString& text);
    const ModelStore& Model() const { return ctx_.editor.Model(); }

    TextureUiContext ctx_;
    bool busy_ = false;
    bool messageShown_ = false;  // a message box of ours takes the focus: stay open
    bool comboKey_ = false;      // the texture combo box is handling a key press
    int lowestCount_ = 1;
    QRadioButton* optionFlat_;
    QRadioButton* optionTex_;
    QLineEdit* textureBox_;
    std::array<QLineEdit*, 3> percent_;
    std::array<QSlider*, 3> slider_;
    QLineEdit* firstBox_;
    QSpinBox* firstSpin_;
    QLineEdit* countBox_;
    QSpinBox* countSpin_;
    QGroupBox* frameFlat_;
    QGroupBox* frameTextured_;
    QGroupBox* frameGlobal_;
    QLabel* sampleFlat_;
    QLabel* sampleTextured_;
    QLabel* texName_;
    QComboBox* texCombo_;
    QListWidget* listView_;
    QPushButton* globalButton_;
};

}  // namespace fw
