// Every test program gets a temporary directory of its own. CTest runs the test cases as
// separate processes in parallel, and the editor keeps fixed file names in the temporary
// directory (the preview copy), so shared ones would make tests delete each other's files.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct PrivateTempDir {
    std::string path;

    PrivateTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fw-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        path = pattern;
        setenv("TMPDIR", path.c_str(), 1);
    }
    ~PrivateTempDir() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
};

const PrivateTempDir privateTempDir;

}  // namespace
