#pragma once

#include <QDialog>

class QTextBrowser;

namespace fw {

// Help, About: the version, the credits and the licences of the libraries the program uses.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    QString Text() const;

private:
    QTextBrowser* text_;
};

}  // namespace fw
