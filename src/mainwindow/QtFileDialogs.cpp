#include "mainwindow/QtFileDialogs.h"

#include <QFileDialog>

#include "modelfile/FileFormats.h"

namespace fw {

namespace {

// The editor's own format; the chooser also offers every file.
QString ModelFileFilter() {
    return QString::fromUtf8(FileFormats().front().Filter) + ";;All Files (*)";
}

}  // namespace

std::string QtFileDialogs::ChooseOpenPath(const std::string& startDirectory) {
    QString path = QFileDialog::getOpenFileName(
        parent_, "Open", QString::fromStdString(startDirectory), ModelFileFilter());
    return path.toStdString();
}

std::string QtFileDialogs::ChooseSavePath(const std::string& startDirectory) {
    // The chooser itself asks before an existing file is replaced.
    QString path = QFileDialog::getSaveFileName(
        parent_, "Save As", QString::fromStdString(startDirectory), ModelFileFilter());
    return path.toStdString();
}

}  // namespace fw
