#include "external/ui/CoblEMsg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "external/ui/DesktopServices.h"
#include "external/ui/ModalHook.h"

namespace fw {

CoblEMsg::CoblEMsg(const SuiteError& error, QWidget* parent) : QDialog(parent), error_(error) {
    setObjectName("CoblEMsg");
    setWindowTitle("Error");
    setProperty("errorCode", QString::fromStdString(error.code));
    auto* layout = new QVBoxLayout(this);
    header_ = new QLabel(" " + QString::fromStdString(error.title), this);
    header_->setObjectName("Header");
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    layout->addWidget(header_);
    message_ = new QPlainTextEdit(QString::fromStdString(error.message), this);
    message_->setObjectName("Message");
    message_->setReadOnly(true);
    message_->setMinimumSize(360, 90);
    layout->addWidget(message_);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    ApplySuiteFont(this);
}

QString CoblEMsg::HeaderText() const {
    return header_->text();
}

QString CoblEMsg::MessageText() const {
    return message_->toPlainText();
}

void ShowSuiteError(const SuiteError& error, QWidget* parent) {
    CoblEMsg dialog(error, parent);
    ExecModal(dialog);
}

}  // namespace fw
