#pragma once

#include <string>
#include <vector>

namespace fw {

// The editing side of the game version registry, used by the versionkeeper program. It
// writes the keys that CheckVersionRegistry reads, and nothing else, in the suite's
// descent.ini:
//   [<name>]  Dir
//   [Current] DescData, DescVers, DescDir, LevelDir
// plus one data file per version, ddata/descent.<n>, which holds the version's record and
// through which versions are listed.
struct RegisteredVersion {
    std::string name;
    std::string dataFile;  // "descent.<n>"
    std::string dir;       // game folder, ending with "/"
    std::string levelDir;  // its missions folder, or the game folder
    bool operator==(const RegisteredVersion&) const = default;
};

// The registered versions in the order of their data files.
std::vector<RegisteredVersion> ListVersions(const std::string& suiteDir);

// [Current] DescVers, trimmed; "" for none.
std::string CurrentVersionName(const std::string& suiteDir);

// A name for the version in `gameDir`: "Descent 2 (<folder name>)".
std::string SuggestVersionName(const std::string& gameDir);

// Registers the game in `gameDir` (which must hold GROUPA.PIG, in any case) as `name`. The
// first version, or one added while no valid version is current, becomes current. Returns
// an error text, "" on success; on failure nothing is written.
[[nodiscard]] std::string AddVersion(const std::string& suiteDir, const std::string& name,
                                     const std::string& gameDir);

// Makes `version` the current one. Returns an error text, "" on success.
[[nodiscard]] std::string MarkCurrent(const std::string& suiteDir,
                                      const RegisteredVersion& version);

}  // namespace fw
