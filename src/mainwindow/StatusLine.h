#pragma once

#include <QStatusBar>

class QLabel;

namespace fw {

// The status bar MainStatus: the first panel echoes the quick help, the second shows the
// commands' messages with an error or information picture.
class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    // kind -1 error picture, 0 none, 1 information picture.
    void ShowMessage(const QString& text, int kind);
    void ShowQuickHelp(const QString& text);

    QString MessageText() const;
    int MessageKind() const { return kind_; }
    bool HasPicture() const;

private:
    QLabel* help_;
    QLabel* icon_;
    QLabel* text_;
    int kind_ = 0;
};

}  // namespace fw
