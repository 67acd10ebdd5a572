#pragma once

#include <string>

namespace fw {

// File names of the temporary model copies handed to the textured preview viewer.
inline constexpr const char* PREVIEW_COPY_NAME = "TEMPPOL2.POL";
inline constexpr const char* VIEWER_COPY_NAME = "TEMPPOL3.POL";

// Path of a temporary model file in this user's private temporary directory
// (<temp>/facetwork-<uid>/<name>), creating the directory with owner-only access. Returns
// the empty text when no private directory can be had (for example when a directory of that
// name belongs to someone else), so that nothing is written where another user can read it.
std::string TempModelPath(const std::string& name);

// Deletes the preview copy and the viewer's copy; a missing file is no error.
void DeleteTempModelFiles();

}  // namespace fw
