#pragma once

#include <QDialog>
#include <QString>

#include "external/SuiteError.h"

class QLabel;
class QPlainTextEdit;

namespace fw {

// The suite's error dialog: caption "Error", a header line with the title, the message in
// a read-only box and "&OK". The error code travels with the message but is not shown.
class CoblEMsg : public QDialog {
    Q_OBJECT
public:
    explicit CoblEMsg(const SuiteError& error, QWidget* parent = nullptr);

    const SuiteError& Error() const { return error_; }
    QString HeaderText() const;
    QString MessageText() const;

private:
    SuiteError error_;
    QLabel* header_;
    QPlainTextEdit* message_;
};

// Shows the error dialog modally, a fresh one each time (through ExecModal).
void ShowSuiteError(const SuiteError& error, QWidget* parent = nullptr);

}  // namespace fw
