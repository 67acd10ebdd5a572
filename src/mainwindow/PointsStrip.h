#pragma once

#include <array>

#include "mainwindow/ModeStrip.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace fw {

// Points mode: the current point's coordinates, insert/delete/mark, moving the marked
// points, the move rate, and the rotate and scale panel with its centre and factors.
class PointsStrip : public ModeStrip {
    Q_OBJECT
public:
    PointsStrip(StripContext& ctx, QWidget* parent);
    void Fill() override;

private:
    QWidget* BuildButtons();
    QWidget* BuildMoveRate();
    QWidget* BuildTransformPanel();
    void StorePointCoordinate(int axis);
    void SetMoveRate(int index);

    std::array<QLineEdit*, 3> textPoints_{};
    std::array<QLineEdit*, 3> textCenter_{};
    std::array<QLineEdit*, 3> textScale_{};
    QLineEdit* textRotate_ = nullptr;
    QSlider* moveRateSlider_ = nullptr;
    QLabel* moveRateLabel_ = nullptr;
};

}  // namespace fw
