#pragma once

#include "model/Editor.h"

namespace fw {

// Move the selected corner (CurrentListCorner) of the current polygon one place earlier or
// later in its corner order; the selection follows the corner. Texture coordinates stay at
// their positions, as with the other corner-order tools.
CommandResult MoveCornerUp(Editor& ed);
CommandResult MoveCornerDown(Editor& ed);

}  // namespace fw
