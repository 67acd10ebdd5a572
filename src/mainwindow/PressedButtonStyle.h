#pragma once

#include <QProxyStyle>

namespace fw {

// The look of the selected view's toolbar button: pressed, a white face inside a black
// border. A style of its own for those few buttons keeps the rest of the window on the
// plain application style (a style sheet would restyle the whole toolbar).
class PressedButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace fw
