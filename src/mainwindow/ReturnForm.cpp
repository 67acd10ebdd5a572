#include "mainwindow/ReturnForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/NumberText.h"

namespace fw {

namespace {
// Geometry of the last closed form; left 0 means it was never closed.
QRect savedGeometry;
}  // namespace

ReturnForm::ReturnForm(QWidget* parent)
    : QDialog(parent),
      description_(new QLabel("Value Description", this)),
      returnText_(new QLineEdit(this)) {
    setObjectName("ReturnForm");
    setWindowTitle("Return Form");
    setModal(true);
    description_->setObjectName("LabelDescription");
    returnText_->setObjectName("ReturnText");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("CommandOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CommandCancel");
    connect(ok, &QPushButton::clicked, this, &ReturnForm::Ok);
    connect(cancel, &QPushButton::clicked, this, [this] {
        accepted_ = false;
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(description_);
    layout->addWidget(returnText_);
    layout->addLayout(buttons);

    if (savedGeometry.left() > 0) setGeometry(savedGeometry);
}

ReturnForm::~ReturnForm() {
    savedGeometry = geometry();
}

void ReturnForm::SetDescription(const QString& text) {
    description_->setText(text);
}
void ReturnForm::SetText(const QString& text) {
    returnText_->setText(text);
}

void ReturnForm::Ok() {
    accepted_ = true;
    value_ = ReadNumber(returnText_->text().toStdString());
    savedGeometry = geometry();
    accept();
}

bool ReturnForm::AskValue(QWidget* parent, const QString& description, const QString& text,
                          double& value) {
    ReturnForm form(parent);
    form.SetDescription(description);
    form.SetText(text);
    form.exec();
    if (form.Accepted()) value = form.Value();
    return form.Accepted();
}

}  // namespace fw
