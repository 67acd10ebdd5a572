#pragma once

#include <functional>

class QDialog;

namespace fw {

// Every modal dialog of the suite runs through ExecModal, so that tests can drive dialogs
// programmatically: a hook receives the dialog, fully built, instead of the event loop,
// and returns what exec() would have returned.
using ModalHook = std::function<int(QDialog& dialog)>;

// dialog.exec(), or the hook when one is set.
int ExecModal(QDialog& dialog);

// Sets a hook for its lifetime and restores the previous one afterwards.
class ScopedModalHook {
public:
    explicit ScopedModalHook(ModalHook hook);
    ~ScopedModalHook();
    ScopedModalHook(const ScopedModalHook&) = delete;
    ScopedModalHook& operator=(const ScopedModalHook&) = delete;

private:
    ModalHook previous_;
};

}  // namespace fw
