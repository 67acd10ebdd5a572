#pragma once

#include <QDialog>

#include "config/FirstRunAssistant.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fw {

// One screen of the first-run assistant, FCTWInit1 to FCTWInit3: an explanation, the
// screen's own fields, and Back, Next (Finish on the last) and Abort. The buttons move the
// assistant and close the screen; closing the window counts as Abort.
class AssistantScreen : public QDialog {
    Q_OBJECT
public:
    AssistantScreen(FirstRunAssistant& assistant, int screenWidthTwips, QWidget* parent = nullptr);

    QPushButton* NextButton() const { return next_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* AbortButton() const { return abort_; }
    // Screen 2: the preview mode options 2 and 1.
    QRadioButton* IsoModeOption(int mode) const { return mode == 2 ? isoFull_ : isoManual_; }
    // Screen 3: the two folder fields.
    QLineEdit* GameDirField() const { return gameDir_; }
    QLineEdit* ModelDirField() const { return modelDir_; }

private:
    void BuildWelcome();
    void BuildPreviewChoice();
    void BuildFolders();
    void ChooseIsoMode(int mode);
    void OnNext();

    FirstRunAssistant& assistant_;
    int screenWidthTwips_;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* abort_ = nullptr;
    QRadioButton* isoFull_ = nullptr;
    QRadioButton* isoManual_ = nullptr;
    QLineEdit* gameDir_ = nullptr;
    QLineEdit* modelDir_ = nullptr;
};

// Shows the assistant's current screen modally (through ExecModal).
void RunAssistantScreen(FirstRunAssistant& assistant, int screenWidthTwips,
                        QWidget* parent = nullptr);

}  // namespace fw
