#pragma once

#include "external/PreviewLink.h"

namespace fw {

// The suite directory (holding SBX/sbx) and the temporary directory of the preview link.
// The suite directory is the running program's ../suite when it exists (the build places
// the viewer at <build>/suite/SBX/sbx); its temporary directory is <suite>/_Temp, created
// on demand. Without a suite directory the files go to the user's private temporary folder.
// This is the one place that decides them.
PreviewLinkDirectories PreviewDirectories();

}  // namespace fw
