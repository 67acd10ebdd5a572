#pragma once

#include <array>

#include "mainwindow/ModeStrip.h"

class QLineEdit;

namespace fw {

// Point Order mode: the corner order of the current polygon.
class PointOrderStrip : public ModeStrip {
    Q_OBJECT
public:
    PointOrderStrip(StripContext& ctx, QWidget* parent);
    void Fill() override {}
};

// UV Vectors mode: U, V and L of the selected corner of the current polygon.
class UVStrip : public ModeStrip {
    Q_OBJECT
public:
    UVStrip(StripContext& ctx, QWidget* parent);
    void Fill() override;

private:
    void StoreValue(int which);
    std::array<QLineEdit*, 3> textUV_{};
};

}  // namespace fw
