#include "mainwindow/StripContext.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace fw {

QToolButton* MakeStripButton(QWidget* parent, const QString& role, int index, const QString& text,
                             const QString& tooltip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(role + QString::number(index));
    button->setText(text);
    button->setToolTip(tooltip);
    button->setAutoRaise(true);
    button->setMinimumWidth(28);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void ConnectCommand(QToolButton* button, StripContext& ctx, const char* id,
                    std::vector<ArgValue> args) {
    button->setProperty("commandId", QString::fromLatin1(id));
    QObject::connect(button, &QToolButton::clicked, button,
                     [&ctx, id, args = std::move(args)] { ctx.run(id, args); });
}

QLineEdit* MakeStripBox(QWidget* parent, const QString& name, const QString& text, int width) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setMaximumWidth(width);
    box->setMinimumWidth(std::min(width, 52));
    return box;
}

QString FormatNumber(double value, int decimals) {
    // QString::number ignores the locale, so the separator is always ".".
    return QString::number(value, 'f', decimals);
}

ArgValue IntArg(int value) {
    return {value, double(value), std::to_string(value)};
}

ArgValue NumberArg(double value) {
    return {0, value, std::to_string(value)};
}

}  // namespace fw
