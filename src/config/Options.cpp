#include "config/Options.h"

#include <algorithm>

#include "config/ViewerSettings.h"
#include "external/SuiteStrings.h"
#include "model/NumberText.h"

namespace fw {

namespace {

int IndexSetting(const Settings& settings, const SettingKey& key, int count) {
    return std::clamp(static_cast<int>(settings.ReadValue(key)), 0, count - 1);
}

// Numbers as the offset boxes show them: plain, "." whatever the locale.
std::string PlainNumber(double value) {
    std::string text = FormatNumber3(value);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

OptionsValues LoadOptions(const Settings& settings, const OptionsRunState& run) {
    OptionsValues v;
    v.moveRateIndex = settings.MoveRateIndex();
    v.shownView = run.currentView >= 0 && run.currentView < 3 ? run.currentView : -1;
    for (int view = 0; view < 3; ++view) {
        v.grid[view] = settings.GridIndex(view);
        v.snap[view] = settings.SnapIndex(view);
    }
    v.offsetText = {PlainNumber(run.insertOffset.X), PlainNumber(run.insertOffset.Y),
                    PlainNumber(run.insertOffset.Z)};
    v.viewOrient = run.viewOrient;
    v.crossMark = run.crossMarked;
    v.pointMove = run.pmoveMode;
    v.interfaceMode = settings.FourViewLayout() ? 1 : 0;
    v.shadebox = settings.Read(setting::Shadebox);
    v.modelDir = settings.Read(setting::ModelDirectory);
    v.isoMode = settings.IsoMode();
    v.background = IndexSetting(settings, setting::SbxBackground, BackgroundColourNames.size());
    v.textureSet = IndexSetting(settings, setting::SbxTextureSet, TextureSetNames.size());
    v.cullFace = settings.ReadFlag(setting::SbxCullFace);
    v.textured = settings.ReadFlag(setting::SbxColor);
    v.linePoly = settings.ReadFlag(setting::SbxLinePoly);
    v.size2Poly = settings.ReadFlag(setting::SbxSize2Poly);
    v.stretchViews = settings.StretchViews();
    v.standardUndoKeys = settings.StandardUndoKeys();
    return v;
}

void ApplyOptions(const OptionsValues& v, const Settings& settings, OptionsTarget& target,
                  PreviewCommands& preview) {
    // One file that cannot be written fails every write to it alike: report the first.
    std::string firstError;
    auto report = [&](const std::string& error) {
        if (firstError.empty()) firstError = error;
    };
    // 1. Paths as typed.
    report(settings.Write(setting::Shadebox, v.shadebox));
    report(settings.Write(setting::ModelDirectory, v.modelDir));
    // 2. Insert offsets: not stored, kept for the run.
    target.SetInsertOffset(
        {ReadNumber(v.offsetText[0]), ReadNumber(v.offsetText[1]), ReadNumber(v.offsetText[2])});
    // 3. and 4. Move rate and point movement mode.
    report(settings.SetMoveRateIndex(v.moveRateIndex));
    target.SetPointMoveMode(v.pointMove);
    report(settings.WriteFlag(setting::PmoveMode, v.pointMove));
    // 5. The viewer's switches and the preview mode.
    report(settings.WriteFlag(setting::SbxCullFace, v.cullFace));
    report(settings.WriteFlag(setting::SbxColor, v.textured));
    report(settings.WriteFlag(setting::SbxSize2Poly, v.size2Poly));
    report(settings.WriteFlag(setting::SbxLinePoly, v.linePoly));
    report(settings.WriteInt(setting::IsoMode, v.isoMode));
    // 6. Tell the viewer. The two choices are stored here too, so they keep whether or not
    // a viewer is connected.
    report(settings.WriteInt(setting::SbxBackground, v.background));
    report(settings.WriteInt(setting::SbxTextureSet, v.textureSet));
    preview.SetPreviewBackground(v.background);
    preview.SetPreviewTextureSet(v.textureSet);
    preview.SendPreviewCommand(PREVIEW_CULL_FACE, 1, v.cullFace, 0, 0);
    preview.SendPreviewCommand(PREVIEW_COLOUR, 1, v.textured, 0, 0);
    preview.SendPreviewCommand(PREVIEW_SIZE_TO_POLY, 1, v.size2Poly, 0, 0);
    preview.SendPreviewCommand(PREVIEW_LINE_POLY, 1, v.linePoly, 0, 0);
    preview.UpdateMenuChecks();
    // 7. View orientation and crossed marks; the interface additions.
    report(settings.WriteFlag(setting::ViewOrient, v.viewOrient));
    report(settings.WriteFlag(setting::CrossMarked, v.crossMark));
    report(settings.WriteFlag(setting::StretchViews, v.stretchViews));
    report(settings.WriteFlag(setting::StandardUndoKeys, v.standardUndoKeys));
    // 8. The layout, only when the user chose one.
    if (v.interfaceTouched) target.SetInterfaceMode(v.interfaceMode);
    // 9. Grid and snap of the three orthographic views.
    for (int view = 0; view < 3; ++view) {
        report(settings.SetGridIndex(view, v.grid[view]));
        report(settings.SetSnapIndex(view, v.snap[view]));
    }
    // 10.
    target.Redraw();
    if (!firstError.empty()) target.ReportError(firstError);
}

}  // namespace fw
