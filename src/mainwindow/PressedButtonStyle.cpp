#include "mainwindow/PressedButtonStyle.h"

#include <QPainter>
#include <QStyleOptionToolButton>

namespace fw {

void PressedButtonStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    if (control != CC_ToolButton || !button || !(button->state & State_On)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QRect face = button->rect.adjusted(0, 0, -1, -1);
    painter->save();
    painter->fillRect(face, Qt::white);
    painter->setPen(Qt::black);
    painter->drawRect(face);
    painter->restore();
    QStyleOptionToolButton label = *button;
    label.rect = subControlRect(control, option, SC_ToolButton, widget);
    label.palette.setColor(QPalette::ButtonText, Qt::black);
    drawControl(CE_ToolButtonLabel, &label, painter, widget);
}

}  // namespace fw
