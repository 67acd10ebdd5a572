#pragma once

#include <optional>
#include <string>

#include "external/SuiteError.h"

namespace fw {

// Starts the program at `path` and returns once it has ended, keeping the user interface
// alive meanwhile through ui.YieldEvents(). Returns the error the suite shows when the
// program does not exist or cannot be started; nothing when it ran.
std::optional<SuiteError> LaunchAndWait(const std::string& path, SuiteUi& ui);

}  // namespace fw
