#pragma once

#include <QWidget>

#include "mainwindow/StripContext.h"

namespace fw {

// The tool strip of one list mode: buttons for its commands and boxes that edit the
// current item. Fill() shows the current values; it runs while the list is refreshing, so
// the boxes' change handlers ignore what it writes.
class ModeStrip : public QWidget {
public:
    ModeStrip(StripContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
    virtual void Fill() = 0;

protected:
    // Runs `command` as one undo step unless the boxes are being filled, then refreshes.
    void EditModel(const std::string& name, const std::function<void()>& command, int kind = 1) {
        if (ctx_.refreshing()) return;
        ctx_.editor.Run(name, command);
        ctx_.editor.RefreshAfterEdit(kind);
    }
    ModelStore& Model() { return ctx_.editor.Model(); }

    StripContext& ctx_;
};

}  // namespace fw
