#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace fw {

// The version registry program's window: the registered game versions with the current
// one marked, a form that registers the game in a chosen folder, and a button that makes
// the selected version current.
class VersionKeeperDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionKeeperDialog(std::string suiteDir, QWidget* parent = nullptr);

    // Reads the registry again into the list.
    void Refresh();
    // "&Add": registers the folder and name typed in the form.
    bool AddVersionFromForm();
    // "Mark &Current": the selected version becomes current.
    bool MarkSelectedCurrent();
    QString StatusText() const;

private:
    void Browse();
    void ShowStatus(const QString& text, bool error);

    std::string suiteDir_;
    QTreeWidget* list_;
    QLineEdit* folder_;
    QLineEdit* name_;
    QPushButton* current_;
    QLabel* status_;
};

}  // namespace fw
