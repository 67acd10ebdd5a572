#pragma once

#include "config/Settings.h"
#include "external/SuiteLibrary.h"

namespace fw {

// Where each settings file lives in a suite: fctwrk32.ini in the program directory,
// cobl.ini and descent.ini in the suite directory, and the viewer's sbx.ini in its own
// folder SBX/ of the suite (the viewer is started from there).
Settings SettingsForSuite(const SuiteDirectories& dirs);

}  // namespace fw
