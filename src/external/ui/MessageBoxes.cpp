#include "external/ui/MessageBoxes.h"

#include <QMessageBox>

#include "external/ui/ModalHook.h"

namespace fw {

bool AskYesNoBox(QWidget* parent, const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    ExecModal(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void ShowMessageBox(QWidget* parent, const std::string& title, const std::string& text,
                    bool warning) {
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    ExecModal(box);
}

}  // namespace fw
