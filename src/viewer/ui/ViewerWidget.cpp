#include "viewer/ui/ViewerWidget.h"

#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace fw {

namespace {
constexpr float DRAG_DEGREES_PER_PIXEL = 0.5f;
constexpr int TURNTABLE_MS = 40;
constexpr float TURNTABLE_DEGREES = 2;
}  // namespace

ViewerWidget::ViewerWidget(ViewerSession& session, TextureSource& textures, QWidget* parent)
    : QWidget(parent), session_(session), textures_(textures) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    turntable_.setInterval(TURNTABLE_MS);
    connect(&turntable_, &QTimer::timeout, this, [this] {
        session_.Turn(TURNTABLE_DEGREES, 0);
        Changed();
    });
}

void ViewerWidget::ApplyCommand(const PreviewCommandLine& command) {
    SessionAction action = session_.Apply(command);
    if (action == SessionAction::Quit) {
        emit quitRequested();
        return;
    }
    UpdateTurntable();
    if (action == SessionAction::Redraw) Changed();
}

void ViewerWidget::SetNote(const QString& note) {
    note_ = note;
    update();
}

void ViewerWidget::Changed() {
    dirty_ = true;
    setWindowTitle("sbx - " + QFileInfo(QString::fromStdString(session_.File())).fileName());
    update();
}

void ViewerWidget::UpdateTurntable() {
    if (session_.Turntable() && !turntable_.isActive())
        turntable_.start();
    else if (!session_.Turntable())
        turntable_.stop();
}

const FrameBuffer& ViewerWidget::Frame() {
    QSize size = this->size().expandedTo(QSize(1, 1));
    if (frame_.Width() != size.width() || frame_.Height() != size.height()) {
        frame_.Resize(size.width(), size.height());
        dirty_ = true;
    }
    if (textureSet_ != session_.TextureSet()) {
        textureSet_ = session_.TextureSet();
        textures_.SetTextureSet(textureSet_);
        dirty_ = true;
    }
    if (dirty_) {
        if (session_.HasModel())
            renderer_.Render(session_.Model(), session_.Angles(), session_.Options(), textures_, frame_);
        else
            frame_.Fill(BackgroundColour(session_.Options().Background));
        dirty_ = false;
    }
    return frame_;
}

void ViewerWidget::paintEvent(QPaintEvent*) {
    const FrameBuffer& frame = Frame();
    QImage image(reinterpret_cast<const uchar*>(frame.Data()), frame.Width(), frame.Height(),
                 QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
    QStringList lines;
    if (std::string m = session_.Message(); !m.empty()) lines << QString::fromStdString(m);
    if (!note_.isEmpty()) lines << note_;
    if (std::string f = session_.FaultSummary(); !f.empty())
        lines << "Stream: " + QString::fromStdString(f);
    if (lines.isEmpty()) return;
    QString text = lines.join('\n');
    QRect box = painter.fontMetrics().boundingRect(rect().adjusted(8, 8, -8, -8),
                                                   Qt::TextWordWrap, text);
    painter.fillRect(box.adjusted(-4, -4, 4, 4), QColor(40, 40, 70, 220));
    painter.setPen(QColor(255, 220, 120));
    painter.drawText(box, Qt::TextWordWrap, text);
}

void ViewerWidget::resizeEvent(QResizeEvent*) {
    dirty_ = true;
}

void ViewerWidget::mousePressEvent(QMouseEvent* event) {
    lastMouse_ = event->position().toPoint();
}

void ViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    QPoint now = event->position().toPoint();
    QPoint d = now - lastMouse_;
    lastMouse_ = now;
    if (event->buttons() & Qt::LeftButton) {
        session_.Turn(d.x() * DRAG_DEGREES_PER_PIXEL, d.y() * DRAG_DEGREES_PER_PIXEL);
    } else if (event->buttons() & (Qt::RightButton | Qt::MiddleButton)) {
        float h = static_cast<float>(std::max(height(), 1));
        session_.Angles().PanX += d.x() / h;
        session_.Angles().PanY += d.y() / h;
        NormalizeAngles(session_.Angles());
    } else {
        return;
    }
    Changed();
}

void ViewerWidget::wheelEvent(QWheelEvent* event) {
    int steps = event->angleDelta().y() / 120;
    if (steps == 0) steps = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    session_.ZoomSteps(steps);
    Changed();
}

void ViewerWidget::keyPressEvent(QKeyEvent* event) {
    const float step = ViewerSession::TURN_STEP;
    switch (event->key()) {
        case Qt::Key_R:
        case Qt::Key_Home:
            session_.ResetView();
            break;
        case Qt::Key_Left:
            session_.Turn(-step, 0);
            break;
        case Qt::Key_Right:
            session_.Turn(step, 0);
            break;
        case Qt::Key_Up:
            session_.Turn(0, step);
            break;
        case Qt::Key_Down:
            session_.Turn(0, -step);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            session_.ZoomSteps(1);
            break;
        case Qt::Key_Minus:
            session_.ZoomSteps(-1);
            break;
        case Qt::Key_F5:
            session_.Reload();
            break;
        case Qt::Key_T:
            session_.Apply({preview::TURNTABLE, 0, 1, session_.Turntable() ? 0 : 1, 0});
            UpdateTurntable();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    Changed();
}

}  // namespace fw
