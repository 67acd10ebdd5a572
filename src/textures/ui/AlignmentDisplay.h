#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QWidget>

#include "config/Settings.h"
#include "model/EditorHost.h"
#include "textures/ui/TextureUiContext.h"

namespace fw {

// Where the display sits, in twips: "left,top,width,height"; a part that is missing, empty
// or "n/a" takes its default (0, 1750, 5400, 5000).
QRect ParseAlignPosition(const std::string& text);
std::string FormatAlignPosition(const QRect& twips);

// "Alignment Display" (DispForm): the current polygon in texture space over its texture tiled
// three by three, the middle tile being U, V from 0 to 1. A left click picks the nearest
// corner within 0.3 units as the current UV point and a left drag moves it; a right drag
// moves the whole outline. Each drag is one undo step. Stays above the main window and
// follows every finished command.
class AlignmentDisplay : public QWidget, public EditListener {
    Q_OBJECT
public:
    AlignmentDisplay(TextureUiContext ctx, const Settings& settings, QWidget* parent = nullptr);
    ~AlignmentDisplay() override;

    // Reloads the picture when the texture number changed and redraws.
    void RefreshDisplay();
    void EditFinished(const EditNotice& notice) override;

    // Texture space and the widget's pixels: U from -1 to 2 left to right, V from -1 to 2
    // bottom to top.
    QPointF ToWidget(double u, double v) const;
    QPointF ToUV(QPointF pixel) const;

    static constexpr double PICK_DISTANCE = 0.3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TextureUiContext ctx_;
    const Settings& settings_;
    QImage picture_;
    int shownTexture_ = -2;  // the texture the picture shows; -2: none yet
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPointF lastUV_;
    int dragCount_ = 0;
    std::string mergeKey_;
};

}  // namespace fw
