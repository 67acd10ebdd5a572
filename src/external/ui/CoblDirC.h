#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace fw {

// The suite's directory chooser: a list of places (the file system's root, the home
// folder and the mounted volumes, this system's drives) and the folders of the chosen
// place. The chosen folder shows in a label; the dialog opens at the start folder.
class CoblDirC : public QDialog {
    Q_OBJECT
public:
    explicit CoblDirC(const QString& start, QWidget* parent = nullptr);

    QString ChosenDirectory() const { return chosen_; }
    // Moves the folder list to the place at `index` of the place list.
    void ChoosePlace(int index);
    // Selects a folder as if clicked.
    void ChooseDirectory(const QString& path);

private:
    void ShowChosen(const QString& path);

    QComboBox* places_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    QLabel* label_;
    QString chosen_;
};

// Runs the chooser from `start`; nothing when cancelled.
std::optional<std::string> ChooseDirectoryDialog(QWidget* parent, const std::string& start);

}  // namespace fw
