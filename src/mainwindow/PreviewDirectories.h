#pragma once

#include "external/PreviewLink.h"
#include "external/SuiteLibrary.h"

namespace fw {

// The suite directory (holding SBX/sbx) and the temporary directory of the preview link
// for a window made without the start-up (tests, tools): the running program's ../suite
// when it exists (the build places the viewer at <build>/suite/SBX/sbx) with <suite>/_Temp,
// created on demand; without one the files go to the user's private temporary folder.
PreviewLinkDirectories PreviewDirectories();

// The preview's directories in the suite the start-up established: the viewer under the
// suite directory, the files in the suite's temporary directory.
PreviewLinkDirectories SuitePreviewDirectories(const SuiteDirectories& dirs);

}  // namespace fw
