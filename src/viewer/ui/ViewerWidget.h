#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "external/PreviewCommandLine.h"
#include "viewer/FrameBuffer.h"
#include "viewer/TextureSource.h"
#include "viewer/ViewerRenderer.h"
#include "viewer/ViewerSession.h"

namespace fw {

// Shows the session's model: the software renderer draws into a frame buffer, the widget
// only puts it on the screen and turns mouse, wheel and keys into view changes.
// Left drag turns, right drag pans, the wheel zooms; R or Home resets the view, the arrow
// keys turn in steps, F5 reloads, T starts or stops the turntable.
class ViewerWidget : public QWidget {
    Q_OBJECT
public:
    ViewerWidget(ViewerSession& session, TextureSource& textures, QWidget* parent = nullptr);

    // Applies an editor command; quitting is signalled, never done here.
    void ApplyCommand(const fw::PreviewCommandLine& command);
    // An extra line shown over the picture (for example a control channel problem).
    void SetNote(const QString& note);
    // The picture as last drawn, rendering first when it is out of date.
    const FrameBuffer& Frame();

signals:
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Changed();
    void UpdateTurntable();

    ViewerSession& session_;
    TextureSource& textures_;
    ViewerRenderer renderer_;
    FrameBuffer frame_;
    bool dirty_ = true;
    int textureSet_ = -1;
    QPoint lastMouse_;
    QTimer turntable_;
    QString note_;
};

}  // namespace fw
