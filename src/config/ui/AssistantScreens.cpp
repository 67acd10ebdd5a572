#include "config/ui/AssistantScreens.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "external/ui/CoblDirC.h"
#include "external/ui/DesktopServices.h"
#include "external/ui/MessageBoxes.h"
#include "external/ui/ModalHook.h"

namespace fw {

namespace {

QLabel* Explanation(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setObjectName("Explanation");
    return label;
}

}  // namespace

AssistantScreen::AssistantScreen(FirstRunAssistant& assistant, int screenWidthTwips,
                                 QWidget* parent)
    : QDialog(parent), assistant_(assistant), screenWidthTwips_(screenWidthTwips) {
    int screen = assistant_.Screen();
    setObjectName(QString("FCTWInit%1").arg(screen));
    setWindowTitle(QString("Facetwork Assistant - Step %1 of 3").arg(screen));
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    if (screen == 1) BuildWelcome();
    if (screen == 2) BuildPreviewChoice();
    if (screen == 3) BuildFolders();
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    abort_ = new QPushButton("&Abort", this);
    abort_->setObjectName("Abort");
    back_ = new QPushButton("< &Back", this);
    back_->setObjectName("Back");
    back_->setEnabled(screen > 1);
    next_ = new QPushButton(screen == 3 ? "&Finish" : "&Next >", this);
    next_->setObjectName("Next");
    next_->setDefault(true);
    next_->setEnabled(assistant_.NextEnabled());
    buttons->addWidget(abort_);
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    layout->addLayout(buttons);

    connect(abort_, &QPushButton::clicked, this, [this] {
        assistant_.Abort();
        accept();
    });
    connect(back_, &QPushButton::clicked, this, [this] {
        assistant_.Back();
        accept();
    });
    connect(next_, &QPushButton::clicked, this, &AssistantScreen::OnNext);
    ApplySuiteFont(this);
}

void AssistantScreen::BuildWelcome() {
    layout()->addWidget(Explanation(
        this,
        "<b>Welcome to Facetwork.</b><p>Facetwork edits the polygon models of Descent 2: "
        "robots, powerups and the other objects the game draws from points and polygons."
        "<p>This assistant sets up the editor in three short steps: how the textured preview "
        "follows your work, where the game is installed, and where your models are kept. "
        "You can change every choice later under View, Options (F2).<p>Press Next to begin."));
}

void AssistantScreen::BuildPreviewChoice() {
    layout()->addWidget(Explanation(
        this,
        "<b>Textured preview</b><p>Besides its wireframe views, Facetwork can show the model "
        "textured and shaded in the preview viewer. Choose when the preview is brought up to "
        "date:"));
    isoFull_ = new QRadioButton("Textured, auto-update (full-WYSIWYG)", this);
    isoFull_->setObjectName("OptionIsoView2");
    isoManual_ = new QRadioButton("Textured, manual update", this);
    isoManual_->setObjectName("OptionIsoView1");
    layout()->addWidget(isoFull_);
    layout()->addWidget(isoManual_);
    connect(isoFull_, &QRadioButton::clicked, this, [this] { ChooseIsoMode(2); });
    connect(isoManual_, &QRadioButton::clicked, this, [this] { ChooseIsoMode(1); });
}

void AssistantScreen::BuildFolders() {
    layout()->addWidget(Explanation(
        this,
        "<b>Folders</b><p>The game folder is the one that holds GROUPA.PIG, the textures of "
        "Descent 2 (the commercial game, medium or larger installation). The model folder "
        "is where the file dialogs start; it is created when it does not exist."));
    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& caption, const char* name, const std::string& text) {
        auto* field = new QLineEdit(QString::fromStdString(text), this);
        field->setObjectName(name);
        auto* browse = new QPushButton("...", this);
        browse->setObjectName(QString(name) + "Browse");
        browse->setToolTip("Choose the folder");
        connect(browse, &QPushButton::clicked, this, [this, field] {
            if (auto dir = ChooseDirectoryDialog(this, field->text().toStdString()))
                field->setText(QString::fromStdString(*dir));
        });
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(browse, row, 2);
        return field;
    };
    gameDir_ = addRow(0, "Descent 2 folder:", "DirGame", assistant_.GameDir());
    modelDir_ = addRow(1, "Model folder:", "DirZPMF", assistant_.ModelDir());
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void AssistantScreen::ChooseIsoMode(int mode) {
    std::string error = assistant_.ChooseIsoMode(mode);
    if (!error.empty()) ShowMessageBox(this, "Error", error);
    next_->setEnabled(assistant_.NextEnabled());
}

void AssistantScreen::OnNext() {
    if (assistant_.Screen() != 3) {
        assistant_.Next();
        accept();
        return;
    }
    auto problem = assistant_.Finish(gameDir_->text().toStdString(),
                                     modelDir_->text().toStdString(), screenWidthTwips_);
    if (problem) {
        ShowMessageBox(this, problem->title, problem->text);
        return;  // stay on this screen
    }
    accept();
}

void RunAssistantScreen(FirstRunAssistant& assistant, int screenWidthTwips, QWidget* parent) {
    AssistantScreen screen(assistant, screenWidthTwips, parent);
    ExecModal(screen);
}

}  // namespace fw
