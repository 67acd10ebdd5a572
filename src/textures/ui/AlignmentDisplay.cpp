#include "textures/ui/AlignmentDisplay.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <cmath>

#include "edit/TextureCommands.h"
#include "textures/TextureCatalogue.h"

namespace fw {

QRect ParseAlignPosition(const std::string& text) {
    int values[4] = {0, 1750, 5400, 5000};
    QStringList parts = QString::fromStdString(text).split(',');
    for (int i = 0; i < 4 && i < parts.size() && i < 16; ++i) {
        QString part = parts[i].trimmed();
        bool ok = false;
        int value = part.toInt(&ok);
        if (ok) values[i] = value;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

std::string FormatAlignPosition(const QRect& t) {
    return std::to_string(t.x()) + "," + std::to_string(t.y()) + "," + std::to_string(t.width()) +
           "," + std::to_string(t.height());
}

AlignmentDisplay::AlignmentDisplay(TextureUiContext ctx, const Settings& settings,
                                   QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ctx_(std::move(ctx)),
      settings_(settings) {
    setObjectName("DispForm");
    setWindowTitle("Alignment Display");
    setAttribute(Qt::WA_ShowWithoutActivating);
    QRect t = ParseAlignPosition(settings_.Read(setting::AlignPosition));
    setGeometry(t.x() / TWIPS_PER_PIXEL, t.y() / TWIPS_PER_PIXEL, t.width() / TWIPS_PER_PIXEL,
                t.height() / TWIPS_PER_PIXEL);
    ctx_.editor.AddListener(this);
    RefreshDisplay();
}

AlignmentDisplay::~AlignmentDisplay() {
    ctx_.editor.RemoveListener(this);
}

void AlignmentDisplay::EditFinished(const EditNotice&) {
    RefreshDisplay();
}

void AlignmentDisplay::RefreshDisplay() {
    const ModelStore& m = ctx_.editor.Model();
    if (m.NumPolygons > 0) {
        int t = m.Polygons[m.CurrentPolygon].TextureNumber;
        // A flat polygon keeps the picture shown before.
        if (t >= 0 && t != shownTexture_) {
            QImage image = ModelTextureImage(ctx_.catalogue, m, t);
            if (!image.isNull()) picture_ = image;
            shownTexture_ = t;
        }
    }
    update();
}

QPointF AlignmentDisplay::ToWidget(double u, double v) const {
    return {(u + 1) * width() / 3.0, (2 - v) * height() / 3.0};
}

QPointF AlignmentDisplay::ToUV(QPointF p) const {
    return {p.x() * 3.0 / width() - 1, 2 - p.y() * 3.0 / height()};
}

void AlignmentDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        for (int i = 0; i < 9; ++i) {
            int col = i % 3 - 1, row = i / 3 - 1;
            QRectF cell(ToWidget(col, row + 1), ToWidget(col + 1, row));
            painter.drawImage(cell, picture_);
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(ToWidget(0, 1), ToWidget(1, 0)));
    const ModelStore& m = ctx_.editor.Model();
    if (m.NumPolygons < 1) return;
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    int n = poly.CornerCount;
    if (n < 1 || n > MAX_CORNERS) return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::yellow, 2));
    for (int j = 0; j < n; ++j) {
        const CornerUVLRecord& a = poly.CornerUVL[j];
        const CornerUVLRecord& b = poly.CornerUVL[(j + 1) % n];
        painter.drawLine(ToWidget(a.U, a.V), ToWidget(b.U, b.V));
    }
    double unit = width() / 3.0;
    for (int j = 0; j < n; ++j) {
        bool current = j == ctx_.editor.CurrentListCorner;
        double size = (current ? 0.025 : 0.02) * unit;
        QPointF c = ToWidget(poly.CornerUVL[j].U, poly.CornerUVL[j].V);
        painter.fillRect(QRectF(c.x() - size, c.y() - size, 2 * size, 2 * size),
                         current ? Qt::red : Qt::blue);
    }
}

void AlignmentDisplay::mousePressEvent(QMouseEvent* event) {
    const ModelStore& m = ctx_.editor.Model();
    if (m.NumPolygons < 1) return;
    QPointF uv = ToUV(event->position());
    lastUV_ = uv;
    dragButton_ = event->button();
    mergeKey_ = "alignment-drag-" + std::to_string(++dragCount_);
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier) return;
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    int nearest = -1;
    double best = PICK_DISTANCE;
    for (int j = 0; j < poly.CornerCount; ++j) {
        double d = std::hypot(poly.CornerUVL[j].U - uv.x(), poly.CornerUVL[j].V - uv.y());
        if (d < best) {
            best = d;
            nearest = j;
        }
    }
    if (nearest >= 0) ctx_.run("SelectListCorner", {IntValue(nearest)}, {});
}

void AlignmentDisplay::mouseMoveEvent(QMouseEvent* event) {
    QPointF uv = ToUV(event->position());
    if (dragButton_ == Qt::LeftButton)
        ctx_.run("SetUVPoint", {NumberValue(uv.x()), NumberValue(uv.y())}, mergeKey_);
    else if (dragButton_ == Qt::RightButton)
        ctx_.run("ShiftPolygonUV",
                 {NumberValue(uv.x() - lastUV_.x()), NumberValue(uv.y() - lastUV_.y())},
                 mergeKey_);
    lastUV_ = uv;
}

void AlignmentDisplay::mouseReleaseEvent(QMouseEvent*) {
    dragButton_ = Qt::NoButton;
    ctx_.editor.EndMerge();
}

void AlignmentDisplay::closeEvent(QCloseEvent* event) {
    QRect g = geometry();
    std::string error = settings_.Write(
        setting::AlignPosition,
        FormatAlignPosition(QRect(g.x() * TWIPS_PER_PIXEL, g.y() * TWIPS_PER_PIXEL,
                                  g.width() * TWIPS_PER_PIXEL, g.height() * TWIPS_PER_PIXEL)));
    if (!error.empty()) ctx_.editor.ShowStatus(error, -1);
    QWidget::closeEvent(event);
}

}  // namespace fw
