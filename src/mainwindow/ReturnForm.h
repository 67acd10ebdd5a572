#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace fw {

// The small modal "Return Form" that asks a command for one number. Its position and size
// are kept while the program runs, so it reopens where the user left it.
class ReturnForm : public QDialog {
    Q_OBJECT
public:
    explicit ReturnForm(QWidget* parent = nullptr);
    ~ReturnForm() override;

    void SetDescription(const QString& text);
    void SetText(const QString& text);

    bool Accepted() const { return accepted_; }
    double Value() const { return value_; }

    // Shows the form modally; true when OK was pressed, the value then in `value`.
    static bool AskValue(QWidget* parent, const QString& description, const QString& text,
                         double& value);

private:
    void Ok();

    QLabel* description_;
    QLineEdit* returnText_;
    bool accepted_ = false;
    double value_ = 0;
};

}  // namespace fw
