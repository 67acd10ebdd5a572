#include "config/SuiteSettings.h"

namespace fw {

Settings SettingsForSuite(const SuiteDirectories& dirs) {
    Settings settings(dirs.program);
    settings.SetFileDirectory(COBL_INI, dirs.suite);
    settings.SetFileDirectory(DESCENT_INI, dirs.suite);
    settings.SetFileDirectory(SBX_INI, dirs.suite + "SBX/");
    return settings;
}

}  // namespace fw
