#include "external/ui/CoblDirC.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "external/ui/DesktopServices.h"
#include "external/ui/ModalHook.h"

namespace fw {

CoblDirC::CoblDirC(const QString& start, QWidget* parent) : QDialog(parent) {
    setObjectName("CoblDirC");
    setWindowTitle("Directory");
    resize(420, 420);
    auto* layout = new QVBoxLayout(this);

    places_ = new QComboBox(this);
    places_->setObjectName("DriveList");
    places_->addItem("/", "/");
    places_->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && places_->findData(root) < 0 &&
            !root.startsWith("/proc") && !root.startsWith("/sys") && !root.startsWith("/dev"))
            places_->addItem(root, root);
    }
    layout->addWidget(places_);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath("/");
    folders_ = new QTreeView(this);
    folders_->setObjectName("DirList");
    folders_->setModel(model_);
    folders_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) folders_->hideColumn(column);
    layout->addWidget(folders_, 1);

    label_ = new QLabel(this);
    label_->setObjectName("PathLabel");
    label_->setWordWrap(true);
    layout->addWidget(label_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(places_, &QComboBox::currentIndexChanged, this, &CoblDirC::ChoosePlace);
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { ShowChosen(model_->filePath(index)); });

    // Start in the place that holds the start folder: the longest matching root.
    QString startDir = QDir(start).exists() ? QDir(start).absolutePath() : QDir::homePath();
    int best = 0;
    for (int i = 0; i < places_->count(); ++i) {
        QString root = places_->itemData(i).toString();
        if (startDir.startsWith(root) && root.size() > places_->itemData(best).toString().size())
            best = i;
    }
    places_->setCurrentIndex(best);
    ChoosePlace(best);
    ChooseDirectory(startDir);
    ApplySuiteFont(this);
}

void CoblDirC::ChoosePlace(int index) {
    QString root = places_->itemData(index).toString();
    folders_->setRootIndex(model_->index(root));
    ShowChosen(root);
}

void CoblDirC::ChooseDirectory(const QString& path) {
    QModelIndex index = model_->index(path);
    if (!index.isValid()) return;
    folders_->setCurrentIndex(index);
    folders_->scrollTo(index);
    ShowChosen(path);
}

void CoblDirC::ShowChosen(const QString& path) {
    chosen_ = path;
    label_->setText(path);
}

std::optional<std::string> ChooseDirectoryDialog(QWidget* parent, const std::string& start) {
    CoblDirC dialog(QString::fromStdString(start), parent);
    if (ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenDirectory().toStdString();
}

}  // namespace fw
