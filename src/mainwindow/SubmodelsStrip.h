#pragma once

#include <functional>

#include "mainwindow/ModeStrip.h"

class QComboBox;

namespace fw {

// Submodels mode: the current submodel's parent and sorting polygon, checking, the
// sorting-polygon finder and the submodel marking buttons.
class SubmodelsStrip : public ModeStrip {
    Q_OBJECT
public:
    SubmodelsStrip(StripContext& ctx, QWidget* parent);
    void Fill() override;

    // Opens the "Put Points in Submodel" menu below the given button.
    std::function<void(QWidget* below)> showPutPointsMenu;

private:
    void FillParents();
    void FillSorting();

    QComboBox* comboParent_ = nullptr;
    QComboBox* comboSorting_ = nullptr;
};

}  // namespace fw
