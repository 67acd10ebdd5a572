#include "mainwindow/StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace fw {

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent),
      help_(new QLabel(this)),
      icon_(new QLabel(this)),
      text_(new QLabel(this)) {
    setObjectName("MainStatus");
    setSizeGripEnabled(true);
    help_->setObjectName("StatusPanel1");
    help_->setMinimumWidth(180);
    icon_->setObjectName("StatusIcon");
    icon_->setFixedSize(18, 18);
    text_->setObjectName("StatusText");
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* panel = new QWidget(this);
    panel->setObjectName("StatusPanel2");
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 0, 2, 0);
    row->addWidget(icon_);
    row->addWidget(text_, 1);
    addWidget(help_, 1);
    addWidget(panel, 3);
}

void StatusLine::ShowMessage(const QString& text, int kind) {
    text_->clear();
    kind_ = kind;
    if (kind == 0) {
        icon_->clear();
    } else {
        QStyle::StandardPixmap picture =
            kind < 0 ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
        icon_->setPixmap(style()->standardIcon(picture).pixmap(16, 16));
    }
    text_->setText(text);
}

void StatusLine::ShowQuickHelp(const QString& text) {
    help_->setText(text);
}

QString StatusLine::MessageText() const {
    return text_->text();
}

bool StatusLine::HasPicture() const {
    return !icon_->pixmap().isNull();
}

}  // namespace fw
