#include "mainwindow/QtFileDialogs.h"

#include <QFileDialog>

#include "modelfile/FileFormats.h"
#include "modelfile/FormatFilters.h"

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

std::string QtFileDialogs::ChooseImportPath(const std::string& startDirectory,
                                            const std::string& filter) {
    QString path = QFileDialog::getOpenFileName(
        parent_, "Import", QString::fromStdString(startDirectory), QString::fromStdString(filter));
    return path.toStdString();
}

std::string QtFileDialogs::ChooseExportPath(const std::string& startDirectory,
                                            const std::string& filter) {
    QString selected;
    QString path =
        QFileDialog::getSaveFileName(parent_, "Export", QString::fromStdString(startDirectory),
                                     QString::fromStdString(filter), &selected);
    // A name typed without an extension takes the one of the format chosen beside it.
    return WithFilterExtension(path.toStdString(), selected.toStdString());
}

}  // namespace fw
