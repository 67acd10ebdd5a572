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
    // Runs the command unless the boxes are being filled (their change signals then only
    // echo what the refresh wrote).
    void EditModel(std::string_view id, std::vector<ArgValue> args) {
        if (ctx_.refreshing()) return;
        ctx_.run(id, std::move(args));
    }
    ModelStore& Model() { return ctx_.editor.Model(); }

    StripContext& ctx_;
};

}  // namespace fw
