// The texture catalogue of the window and the commands that open the texture dialogs.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListModel.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/PolygonsStrip.h"
#include "edit/TextureCommands.h"
#include "textures/ui/AlignmentDisplay.h"
#include "textures/ui/SelectTextureDialog.h"
#include "textures/ui/TextureMappingDialog.h"

namespace fw {

void MainWindow::LoadCatalogue() {
    WindowCatalogue load = LoadWindowCatalogue();
    catalogue_ = load.catalogue;
    if (load.error) {
        // The program cannot go on without its name list.
        ShowError(load.error.Code, load.error.Title, load.error.Message);
        QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
    } else if (!load.notice.isEmpty()) {
        ShowStatus(load.notice.toStdString(), 0);
    }
}

void MainWindow::UseCatalogue(std::shared_ptr<const TextureCatalogue> catalogue) {
    delete alignment_;  // it shows pictures of the old catalogue
    catalogue_ = std::move(catalogue);
    ShowTextureNames();
    editor_.Notify(ChangeSet::All());
}

TextureUiContext MainWindow::TextureContext() {
    return {editor_, *catalogue_,
            [this](std::string_view id, std::vector<ArgValue> args, std::string_view mergeKey) {
                const CommandEntry* command = commands_.Find(id);
                if (!command) return Ignored();
                return RunCommand(editor_, *command, args, mergeKey);
            }};
}

void MainWindow::ShowTextureNames() {
    auto name = [this](int slot) { return CatalogueName(*catalogue_, slot); };
    modeList_->SetTextureNames(name);
}

void MainWindow::RegisterTextureCommands() {
    // Each needs a polygon to work on; the dialogs then run the texture commands.
    auto needPolygon = [this] {
        if (editor_.Model().NumPolygons > 0) return false;
        ShowStatus(NEED_POLYGON, -1);
        return true;
    };
    AddWindowCommand("SelectTextureDialog", "Select Texture", [this, needPolygon] {
        if (needPolygon()) return;
        SelectTextureDialog dialog(TextureContext(), this);
        RunDialog(dialog);
        editor_.Notify(ChangeSet::All());
    });
    AddWindowCommand("TextureMappingDialog", "Texture Mapping", [this, needPolygon] {
        if (needPolygon()) return;
        TextureMappingDialog dialog(TextureContext(), this);
        RunDialog(dialog);
    });
    AddWindowCommand("ShowAlignmentDisplay", "Texture Alignment View", [this, needPolygon] {
        if (needPolygon()) return;
        if (!alignment_) {
            alignment_ = new AlignmentDisplay(TextureContext(), settings_, this);
            alignment_->setAttribute(Qt::WA_DeleteOnClose);
            connect(alignment_, &QObject::destroyed, this, [this] { alignment_ = nullptr; });
        }
        alignment_->showNormal();
        alignment_->raise();
    });
}

}  // namespace fw
