#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "edit/CommandTable.h"
#include "model/Editor.h"
#include "textures/TextureNames.h"

namespace fw {

// Kept out of this header: the catalogue's picture types share names with the views'.
class TextureCatalogue;

// What the texture dialogs need from the main window: the editor to read, the catalogue to
// show, and the window's way of running a command of its table (every change they make is
// one of those commands). `mergeKey` joins the steps of one drag into one undo entry.
struct TextureUiContext {
    Editor& editor;
    const TextureCatalogue& catalogue;
    std::function<CommandResult(std::string_view id, std::vector<ArgValue> args,
                                std::string_view mergeKey)>
        run;
};

// The model's texture number t as a 64 x 64 picture; a null image when it has none.
QImage ModelTextureImage(const TextureCatalogue& catalogue, const ModelStore& m, int t);

// The window's catalogue, loaded once at start; error is the fatal error the program ends
// after (its name list is missing), notice why an imported catalogue is not used.
struct WindowCatalogue {
    std::shared_ptr<const TextureCatalogue> catalogue;
    FatalError error;
    QString notice;
};
WindowCatalogue LoadWindowCatalogue();
// The name in a catalogue slot.
QString CatalogueName(const TextureCatalogue& catalogue, int slot);

// Command arguments: a whole number, a number and a word.
ArgValue IntValue(int value);
ArgValue NumberValue(double value);
ArgValue WordValue(std::string word);

// Window sizes are kept in twips, 15 to a pixel at the usual 96 dots per inch.
inline constexpr int TWIPS_PER_PIXEL = 15;

}  // namespace fw
