#include "mainwindow/QtFileDialogs.h"

#include <QFileDialog>

namespace fw {

const char* const MODEL_FILE_FILTER = "Botsmith Polymodel Files (*.pol);;All Files (*)";

std::string QtFileDialogs::ChooseOpenPath(const std::string& startDirectory) {
    QString path = QFileDialog::getOpenFileName(
        parent_, "Open", QString::fromStdString(startDirectory), MODEL_FILE_FILTER);
    return path.toStdString();
}

std::string QtFileDialogs::ChooseSavePath(const std::string& startDirectory) {
    // The chooser itself asks before an existing file is replaced.
    QString path = QFileDialog::getSaveFileName(
        parent_, "Save As", QString::fromStdString(startDirectory), MODEL_FILE_FILTER);
    return path.toStdString();
}

}  // namespace fw
