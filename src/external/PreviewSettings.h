#pragma once

#include <string>
#include <string_view>

namespace fw {

// The viewer's display settings (section SBX of cobl.ini) and the Preview command's
// program (section DTools of descent.ini), as the preview link reads and writes them.
class PreviewSettings {
public:
    virtual ~PreviewSettings() = default;
    // "" when missing.
    virtual std::string Read(std::string_view file, std::string_view section,
                             std::string_view key) const = 0;
    virtual void Write(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
};

// Both files in one directory (the suite directory), through the suite's ini access.
class IniPreviewSettings : public PreviewSettings {
public:
    explicit IniPreviewSettings(std::string directory) : directory_(std::move(directory)) {}
    std::string Read(std::string_view file, std::string_view section,
                     std::string_view key) const override;
    void Write(std::string_view file, std::string_view section, std::string_view key,
               std::string_view value) override;

private:
    std::string directory_;
};

}  // namespace fw
