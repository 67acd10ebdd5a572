#pragma once

#include <QProxyStyle>

namespace fw {

// The application's style, with the few parts it would read from picture files drawn
// instead: the chevrons of a toolbar that does not fit and the frame of a group box. The
// first picture read loads every image-format plugin, and the toolbar's chevrons are decoded
// anew for every toolbar, which together cost more at start-up than the toolbars themselves.
// Scroll bars and the main window's toolbars are drawn flat in solid colours: the base style
// blends translucent lines and gradients along them, and Qt's raster engine hands any blend
// of more than about a hundred runs of pixels to a pool of threads it starts for the
// purpose, which cost the first frame two milliseconds.
class EditorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace fw
