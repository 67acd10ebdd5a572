#pragma once

#include <cstdint>

#include "model/Editor.h"
#include "model/EditorHost.h"
#include "model/ModelStore.h"

namespace fw {

// Chooses the polygon of submodel s whose plane the game uses to order s against its
// parent: one with parent polygons in front of it and none cut by it (the last such one),
// failing that the first with the most parent polygons in front, failing that 0.
// A degenerate candidate is reported through `sink` and tested with a zero normal.
int16_t FindSortPolygon(const ModelStore& m, int s, MessageSink& sink);

// Finds the sorting polygon of the current submodel.
CommandResult FindCurrentSortPolygon(Editor& ed);
// Finds the sorting polygons of every submodel but the root.
CommandResult FindAllSortPolygons(Editor& ed);
// Marks the sorting polygon of every submodel but the root, unmarking their other polygons.
CommandResult ShowSortingPolygons(Editor& ed);

}  // namespace fw
