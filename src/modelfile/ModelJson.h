#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/ModelStore.h"

namespace fw {

// The model store as JSON: every value a .pol file carries, doubles kept exactly.
nlohmann::json ExportModelJson(const ModelStore& m);

// Adds an "editor" object with the marks, hiding, current items and Modified flag, which a
// file does not carry. currentCorner is the editor's text-box value.
void AddEditorJson(nlohmann::json& doc, const ModelStore& m, int currentCorner);

// Replaces the model by the one described in doc. Keys left out take new-model values; the
// "editor" object is ignored. Returns "" or a message naming the bad value; on failure the
// store is unchanged.
std::string ImportModelJson(const nlohmann::json& doc, ModelStore& m);

// As ImportModelJson, from JSON text; a syntax error is reported as a message too.
std::string ImportModelJsonText(const std::string& text, ModelStore& m);

}  // namespace fw
