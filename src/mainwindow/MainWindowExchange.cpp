// File, Import and File, Export: the window supplies the catalogue's texture names and
// pictures, the model picker of HAM and HXM files and the question which game model an
// HXM replaces; ExchangeCommands decides the rest.

#include <QInputDialog>

#include "mainwindow/GameModelPicker.h"
#include "mainwindow/MainWindow.h"
#include "modelfile/GameModelExport.h"
#include "textures/CatalogueNaming.h"
#include "viewer/CatalogueTextures.h"

namespace fw {

void MainWindow::RegisterExchangeCommands() {
    exchange_.Options = [this] { return CatalogueFormatOptions(catalogue_); };
    exchange_.PickModel = [this](const std::string& path,
                                 const std::vector<GameFileModel>& models) {
        CatalogueTextures textures(*catalogue_, SetPalettes{});
        GameModelPicker picker(QString::fromStdString(path), models, textures, this);
        return RunDialog(picker, true) == QDialog::Accepted ? picker.SelectedModel() : -1;
    };
    exchange_.AskReplacedModel = [this] {
        QInputDialog ask(this);
        ask.setObjectName("ReplacedModelDialog");
        ask.setWindowTitle("Export");
        ask.setLabelText("Game model the custom model file replaces:");
        ask.setInputMode(QInputDialog::IntInput);
        ask.setIntRange(0, GameLimits{}.PolygonModels - 1);
        return RunDialog(ask, true) == QDialog::Accepted ? ask.intValue() : -1;
    };
    AddWindowCommand("FileImport", "Import", [this] { exchange_.Import(); });
    AddWindowCommand("FileExport", "Export", [this] { exchange_.Export(); });
}

}  // namespace fw
