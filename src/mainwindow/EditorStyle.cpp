#include "mainwindow/EditorStyle.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
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

// A solid triangle pointing away from the middle of the bar, in the middle of a button.
void DrawStepArrow(QPainter* painter, const QRect& button, QStyle::SubControl which,
                   bool horizontal, const QColor& colour) {
    const QPointF c = QRectF(button).center();
    const double half = std::max(2.0, std::min(button.width(), button.height()) / 4.0);
    const double toward = which == QStyle::SC_ScrollBarAddLine ? 1 : -1;
    QPolygonF tip;
    if (horizontal)
        tip << QPointF(c.x() + toward * half / 2, c.y())
            << QPointF(c.x() - toward * half / 2, c.y() - half)
            << QPointF(c.x() - toward * half / 2, c.y() + half);
    else
        tip << QPointF(c.x(), c.y() + toward * half / 2)
            << QPointF(c.x() - half, c.y() - toward * half / 2)
            << QPointF(c.x() + half, c.y() - toward * half / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawPolygon(tip);
    painter->restore();
}

// Groove, step buttons and handle where the base style's geometry puts them, so that what
// is drawn is what a click hits.
void DrawFlatScrollBar(const QStyle& style, const QStyleOptionSlider& bar, QPainter* painter,
                       const QWidget* widget) {
    const QPalette& palette = bar.palette;
    const QColor window = palette.color(QPalette::Window);
    const QColor edge = window.darker(140);
    const bool enabled = bar.state & QStyle::State_Enabled;
    const bool horizontal = bar.orientation == Qt::Horizontal;
    auto pressed = [&](QStyle::SubControl part) {
        return (bar.activeSubControls & part) && (bar.state & QStyle::State_Sunken);
    };
    painter->save();
    painter->fillRect(bar.rect, window.darker(106));
    painter->setPen(edge);
    for (QStyle::SubControl step : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
        const QRect button = style.subControlRect(QStyle::CC_ScrollBar, &bar, step, widget);
        if (!(bar.subControls & step) || button.isEmpty()) continue;
        painter->fillRect(button, pressed(step) ? window.darker(115) : window);
        painter->drawRect(button.adjusted(0, 0, -1, -1));
        const bool atEnd = step == QStyle::SC_ScrollBarAddLine ? bar.sliderValue >= bar.maximum
                                                               : bar.sliderValue <= bar.minimum;
        DrawStepArrow(painter, button, step, horizontal,
                      palette.color(enabled && !atEnd ? QPalette::Active : QPalette::Disabled,
                                    QPalette::WindowText));
    }
    const QRect handle =
        style.subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, widget);
    if ((bar.subControls & QStyle::SC_ScrollBarSlider) && bar.minimum != bar.maximum &&
        !handle.isEmpty()) {
        QColor face = enabled ? palette.color(QPalette::Button) : window;
        if (pressed(QStyle::SC_ScrollBarSlider))
            face = face.darker(112);
        else if ((bar.activeSubControls & QStyle::SC_ScrollBarSlider) &&
                 (bar.state & QStyle::State_MouseOver))
            face = face.lighter(106);
        painter->fillRect(handle, face);
        painter->drawRect(handle.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

// What the base style's translucent white or black edge looks like over a solid colour.
QColor Over(const QColor& below, const QColor& edge, int alpha) {
    auto mix = [&](int a, int b) { return (a * (255 - alpha) + b * alpha) / 255; };
    return QColor(mix(below.red(), edge.red()), mix(below.green(), edge.green()),
                  mix(below.blue(), edge.blue()));
}

// A main-window toolbar: a light edge away from the window's middle, a dark one towards it,
// doubled with a light line where the last toolbar meets the central area.
void DrawFlatToolBar(const QStyleOptionToolBar& bar, QPainter* painter) {
    const QColor window = bar.palette.color(QPalette::Window);
    const QColor light = Over(window, Qt::white, 90), shadow = Over(window, Qt::black, 60);
    const QRect r = bar.rect;
    // The outer edge and the inner edge, as lines from one corner to the other.
    QLine outer, inner;
    QPoint intoBar;
    switch (bar.toolBarArea) {
        case Qt::BottomToolBarArea:
            outer = {r.bottomLeft(), r.bottomRight()}, inner = {r.topLeft(), r.topRight()};
            intoBar = {0, 1};
            break;
        case Qt::LeftToolBarArea:
            outer = {r.topLeft(), r.bottomLeft()}, inner = {r.topRight(), r.bottomRight()};
            intoBar = {-1, 0};
            break;
        case Qt::RightToolBarArea:
            outer = {r.topRight(), r.bottomRight()}, inner = {r.topLeft(), r.bottomLeft()};
            intoBar = {1, 0};
            break;
        default:
            outer = {r.topLeft(), r.topRight()}, inner = {r.bottomLeft(), r.bottomRight()};
            intoBar = {0, -1};
            break;
    }
    painter->save();
    painter->fillRect(r, window);
    painter->setPen(light);
    painter->drawLine(outer);
    if (bar.positionOfLine == QStyleOptionToolBar::End ||
        bar.positionOfLine == QStyleOptionToolBar::OnlyOne) {
        painter->drawLine(inner);
        inner.translate(intoBar);
    }
    painter->setPen(shadow);
    painter->drawLine(inner);
    painter->restore();
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

void EditorStyle::drawControl(ControlElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    // Like the base style, only a main window's toolbars get the bevelled edges.
    if (element == CE_ToolBar && bar && widget &&
        qobject_cast<const QMainWindow*>(widget->parentWidget()))
        DrawFlatToolBar(*bar, painter);
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}

void EditorStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control == CC_ScrollBar && bar)
        DrawFlatScrollBar(*this, *bar, painter, widget);
    else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace fw
