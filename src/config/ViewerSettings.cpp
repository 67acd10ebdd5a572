#include "config/ViewerSettings.h"

#include <utility>

namespace fw {

std::string WriteViewerDefaults(const Settings& settings) {
    const std::pair<const SettingKey&, const char*> defaults[] = {
        {setting::SbxCullFace, "1"},   {setting::SbxColor, "1"},      {setting::SbxSize2Poly, "1"},
        {setting::SbxLinePoly, "1"},   {setting::SbxBackground, "0"}, {setting::SbxTextureSet, "0"},
        {setting::SbxConfigured, "1"},  // last: only a complete set counts
    };
    for (const auto& [key, value] : defaults)
        if (std::string error = settings.Write(key, value); !error.empty()) return error;
    return "";
}

}  // namespace fw
