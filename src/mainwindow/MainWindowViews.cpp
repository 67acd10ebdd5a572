// Main window commands on the views as a whole: framing the model after Open and at start-up,
// and "Zoom to Fit" on the current view.

#include "mainwindow/MainWindow.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/ViewInfoStrip.h"

namespace fw {

void MainWindow::FrameModel() {
    viewArea_->FrameModel();
}

void MainWindow::ZoomToFit() {
    if (views_.ZoomToFit(editor_.Model(), views_.CurrentView)) {
        infoStrip_->ShowViewState();
        viewArea_->RepaintVisible();
    }
    ReFocusView();
}

}  // namespace fw
