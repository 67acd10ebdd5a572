#pragma once

#include <array>
#include <functional>

#include "mainwindow/ModeStrip.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace fw {

// Polygons mode: mark, insert and delete polygons, the current polygon's flat colour or
// texture, and the texture alignment steps.
class PolygonsStrip : public ModeStrip {
    Q_OBJECT
public:
    PolygonsStrip(StripContext& ctx, QWidget* parent);
    void Fill() override;

    // Name shown for a game texture; the texture catalogue supplies it when loaded.
    std::function<QString(int gameTexture)> textureName;

private:
    QWidget* BuildButtons();
    QGroupBox* BuildFlatFrame();
    QGroupBox* BuildTexturedFrame();
    void StoreFlatColour(int colour);
    void StoreColourFromScrollBars();

    QGroupBox* frameFlat_ = nullptr;
    QGroupBox* frameTextured_ = nullptr;
    QLineEdit* textFlat_ = nullptr;
    std::array<QScrollBar*, 3> scrollFlat_{};
    QListWidget* listTextures_ = nullptr;
};

}  // namespace fw
