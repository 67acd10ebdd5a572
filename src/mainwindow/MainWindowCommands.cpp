// The window's own commands in the command table: files, undo, views and layouts. They sit
// beside the editing commands so that every menu entry, button and key names a command id.

#include <QAction>
#include <QMenu>

#include "mainwindow/MainWindow.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/ViewInfoStrip.h"
#include "views/ViewKeys.h"

namespace fw {

void MainWindow::AddWindowCommand(std::string_view id, std::string_view name,
                                  std::function<void()> action) {
    commands_.Add({id,
                   name,
                   {},
                   "",
                   [action = std::move(action)](Editor&, CommandArgs) {
                       action();
                       return Done();
                   },
                   CommandScope::Window});
}

void MainWindow::RegisterWindowCommands() {
    commands_ = EditingCommands();
    AddWindowCommand("FileNew", "New", [this] { files_.New(); });
    AddWindowCommand("FileOpen", "Open", [this] { files_.Open(); });
    AddWindowCommand("FileSave", "Save", [this] { files_.Save(); });
    AddWindowCommand("FileSaveAs", "Save As", [this] { files_.SaveAs(); });
    AddWindowCommand("FileExit", "Exit", [this] { close(); });
    AddWindowCommand("Undo", "Undo", [this] { editor_.Undo(); });
    AddWindowCommand("Redo", "Redo", [this] { editor_.Redo(); });
    AddWindowCommand("SingleView", "Single View", [this] { Singlemode(); });
    AddWindowCommand("QuadView", "Quad View", [this] { Quadmode(); });
    AddWindowCommand("ZoomToFit", "Zoom to Fit", [this] { ZoomToFit(); });
    static constexpr const char* viewIds[4] = {"ShowViewXY", "ShowViewXZ", "ShowViewZY",
                                               "ShowViewISO"};
    static constexpr const char* viewNames[4] = {"XY View", "XZ View", "ZY View", "Isometric View"};
    for (int v = 0; v < 4; ++v)
        AddWindowCommand(viewIds[v], viewNames[v], [this, v] { SelectView(v); });
    // The view buttons of the right strip, by their index.
    struct ViewButtonCommand {
        const char *id, *name;
        int index;
    };
    static constexpr ViewButtonCommand buttons[] = {
        {"ZoomIn", "Zoom In", 0},
        {"ZoomOut", "Zoom Out", 1},
        {"ShiftRight", "Shift Display Right", 2},
        {"ShiftLeft", "Shift Display Left", 3},
        {"ShiftDown", "Shift Display Down", 4},
        {"ShiftUp", "Shift Display Up", 5},
        {"RecenterView", "Re-Center View", 6},
        {"RotateIsoLeft", "Rotate Left", 11},
        {"RotateIsoRight", "Rotate Right", 12},
        {"RotateIsoUp", "Rotate Up", 13},
        {"RotateIsoDown", "Rotate Down", 14},
    };
    for (const ViewButtonCommand& b : buttons) {
        int index = b.index;
        AddWindowCommand(b.id, b.name, [this, index] {
            if (!ViewButton(editor_, views_, index).viewChanged) return;
            infoStrip_->ShowViewState();
            viewArea_->RepaintVisible();
        });
    }
}

QAction* MainWindow::AddCommand(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, std::string_view id,
                                std::vector<ArgValue> args) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    BindCommand(a, id, std::move(args));
    return a;
}

void MainWindow::BindCommand(QAction* action, std::string_view id, std::vector<ArgValue> args) {
    Q_ASSERT(commands_.Find(id));
    action->setProperty("commandId", QString::fromUtf8(id.data(), qsizetype(id.size())));
    connect(action, &QAction::triggered, this,
            [this, id, args = std::move(args)] { RunCommandId(id, args); });
}

CommandResult MainWindow::RunCommandId(std::string_view id, std::vector<ArgValue> args) {
    const CommandEntry* command = commands_.Find(id);
    if (!command) return Ignored();
    CommandResult result = RunCommand(editor_, *command, args);
    ReFocusView();
    return result;
}

}  // namespace fw
