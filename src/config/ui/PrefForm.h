#pragma once

#include <QDialog>
#include <array>

#include "config/Options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace fw {

// The Options dialog: five tab pages over OptionsValues. The pages edit a copy of the
// settings; "&OK" stores and applies it (ApplyOptions), "Cancel" drops it. Only the point
// movement mode acts at once, as its box is clicked.
class PrefForm : public QDialog {
    Q_OBJECT
public:
    PrefForm(const Settings& settings, OptionsTarget& target, PreviewCommands& preview,
             QWidget* parent = nullptr);

    const OptionsValues& Values() const { return values_; }
    // The view whose grid and snap the sliders show: 0 XY, 1 XZ, 2 ZY.
    void ShowGridView(int view);

private:
    // Built in PrefFormPages.cpp.
    QWidget* BuildControllingPage();
    QWidget* BuildSbxPage();
    QWidget* BuildToolsPage();
    QWidget* BuildDirectoriesPage();
    QWidget* BuildInterfacePage();

    void ShowMoveRate();
    void ShowGridAndSnap();
    void Ok();

    const Settings& settings_;
    OptionsTarget& target_;
    PreviewCommands& preview_;
    OptionsValues values_;

    QTabWidget* tabs_ = nullptr;
    QSlider* moveRate_ = nullptr;
    QLabel* moveRateText_ = nullptr;
    std::array<QRadioButton*, 3> viewOptions_{};
    QSlider* grid_ = nullptr;
    QSlider* snap_ = nullptr;
    QLabel* gridText_ = nullptr;
    QLabel* snapText_ = nullptr;
};

// The captions of the grid and snap sliders for a table index.
QString GridCaption(int index);
QString SnapCaption(int index);

}  // namespace fw
