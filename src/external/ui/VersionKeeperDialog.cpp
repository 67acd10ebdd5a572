#include "external/ui/VersionKeeperDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "external/VersionKeeper.h"
#include "external/ui/CoblDirC.h"
#include "external/ui/DesktopServices.h"

namespace fw {

namespace {
constexpr int NAME_COLUMN = 1;
}

VersionKeeperDialog::VersionKeeperDialog(std::string suiteDir, QWidget* parent)
    : QDialog(parent), suiteDir_(std::move(suiteDir)) {
    setObjectName("VersionKeeper");
    setWindowTitle("Versionkeeper");
    resize(620, 400);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Registered Descent versions (the current one is marked):", this));

    list_ = new QTreeWidget(this);
    list_->setObjectName("VersionList");
    list_->setHeaderLabels({"", "Version", "Game folder"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);

    current_ = new QPushButton("Mark &Current", this);
    current_->setObjectName("MarkCurrent");
    connect(current_, &QPushButton::clicked, this, [this] { MarkSelectedCurrent(); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { current_->setEnabled(list_->currentItem() != nullptr); });
    auto* currentRow = new QHBoxLayout;
    currentRow->addStretch();
    currentRow->addWidget(current_);
    layout->addLayout(currentRow);

    auto* form = new QGroupBox("Register a game folder", this);
    auto* fields = new QFormLayout(form);
    folder_ = new QLineEdit(form);
    folder_->setObjectName("GameFolder");
    auto* browse = new QPushButton("&Browse...", form);
    browse->setObjectName("Browse");
    connect(browse, &QPushButton::clicked, this, &VersionKeeperDialog::Browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    fields->addRow("Game folder (with GROUPA.PIG):", folderRow);
    name_ = new QLineEdit(form);
    name_->setObjectName("VersionName");
    fields->addRow("Version name:", name_);
    auto* add = new QPushButton("&Add", form);
    add->setObjectName("Add");
    connect(add, &QPushButton::clicked, this, [this] { AddVersionFromForm(); });
    fields->addRow("", add);
    layout->addWidget(form);
    connect(folder_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!name_->isModified())
            name_->setText(QString::fromStdString(SuggestVersionName(text.toStdString())));
    });

    status_ = new QLabel(this);
    status_->setObjectName("StatusLabel");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("Close");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    layout->addLayout(closeRow);

    ApplySuiteFont(this);
    Refresh();
}

void VersionKeeperDialog::Refresh() {
    list_->clear();
    std::string current = CurrentVersionName(suiteDir_);
    for (const RegisteredVersion& v : ListVersions(suiteDir_)) {
        auto* item = new QTreeWidgetItem(
            list_, {v.name == current ? "\u2714" : "", QString::fromStdString(v.name),
                    QString::fromStdString(v.dir)});
        item->setData(NAME_COLUMN, Qt::UserRole, QString::fromStdString(v.dataFile));
    }
    current_->setEnabled(list_->currentItem() != nullptr);
}

bool VersionKeeperDialog::AddVersionFromForm() {
    std::string error =
        AddVersion(suiteDir_, name_->text().toStdString(), folder_->text().toStdString());
    if (!error.empty()) {
        ShowStatus(QString::fromStdString(error), true);
        return false;
    }
    ShowStatus("Registered " + name_->text().trimmed() + ".", false);
    folder_->clear();
    name_->clear();
    name_->setModified(false);
    Refresh();
    return true;
}

bool VersionKeeperDialog::MarkSelectedCurrent() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item) return false;
    QString dataFile = item->data(NAME_COLUMN, Qt::UserRole).toString();
    for (const RegisteredVersion& v : ListVersions(suiteDir_)) {
        if (QString::fromStdString(v.dataFile) != dataFile) continue;
        std::string error = MarkCurrent(suiteDir_, v);
        ShowStatus(error.empty() ? QString::fromStdString(v.name) + " is now the current version."
                                 : QString::fromStdString(error),
                   !error.empty());
        Refresh();
        return error.empty();
    }
    return false;
}

QString VersionKeeperDialog::StatusText() const {
    return status_->text();
}

void VersionKeeperDialog::Browse() {
    if (auto dir = ChooseDirectoryDialog(this, folder_->text().toStdString())) {
        folder_->setText(QString::fromStdString(*dir));
        if (!name_->isModified()) name_->setText(QString::fromStdString(SuggestVersionName(*dir)));
    }
}

void VersionKeeperDialog::ShowStatus(const QString& text, bool error) {
    status_->setStyleSheet(error ? "color: #a00000;" : "");
    status_->setText(text);
}

}  // namespace fw
