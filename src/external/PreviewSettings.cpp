#include "external/PreviewSettings.h"

#include "external/IniFile.h"

namespace fw {

std::string IniPreviewSettings::Read(std::string_view file, std::string_view section,
                                     std::string_view key) const {
    return IniRead(directory_, file, section, key);
}

void IniPreviewSettings::Write(std::string_view file, std::string_view section,
                               std::string_view key, std::string_view value) {
    // A setting that cannot be stored only costs the user the remembered choice.
    IniWrite(directory_, file, section, key, value);
}

}  // namespace fw
