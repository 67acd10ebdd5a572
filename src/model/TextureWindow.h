#pragma once

#include <string>

#include "model/ModelStore.h"

namespace fw {

// A textured polygon's number indexes the model's texture window, 0..NumberOfTextures-1;
// the game looks the texture up in that window without a check, so a number outside it
// would make it read beyond the model's texture list. Returns "" when every textured
// polygon in use stays inside the window, otherwise a message naming the first one that
// does not, and the window.
std::string TextureWindowError(const ModelStore& m);

// The message for one polygon and texture number outside a window of `textures`.
std::string TextureOutsideWindowMessage(int polygon, int texture, int textures);

}  // namespace fw
