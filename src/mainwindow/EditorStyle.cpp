#include "mainwindow/EditorStyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {

// Two chevrons pointing right (or down): "more beyond this edge".
QIcon ChevronIcon(bool down, const QColor& colour) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.2));
    for (double at : {2.5, 6.5}) {
        const QPointF tip[3] = {{at, 2.5}, {at + 3, 6}, {at, 9.5}};
        if (!down) {
            p.drawPolyline(tip, 3);
        } else {
            const QPointF turned[3] = {{tip[0].y(), tip[0].x()}, {tip[1].y(), tip[1].x()},
                                       {tip[2].y(), tip[2].x()}};
            p.drawPolyline(turned, 3);
        }
    }
    return QIcon(pixmap);
}

}  // namespace

QIcon EditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return ChevronIcon(icon == SP_ToolBarVerticalExtensionButton,
                           (widget ? widget->palette() : standardPalette()).color(QPalette::ButtonText));
    return QProxyStyle::standardIcon(icon, option, widget);
}

// A rounded frame, a shade darker inside.
void EditorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Below the title, where the base style puts its frame.
    constexpr int MARGIN = 3;
    auto* box = qobject_cast<const QGroupBox*>(widget);
    int top = MARGIN;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                        option->fontMetrics.height());
    const QColor window = option->palette.color(QPalette::Window);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(window.darker(125));
    painter->setBrush(window.darker(104));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, top + 0.5, -0.5, -0.5), 2.5, 2.5);
    painter->restore();
}

}  // namespace fw
