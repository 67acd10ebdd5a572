// The batch script runner on any text: it ends, the model is consistent after the script
// whether it ran or stopped, a stop names its line, and the same script run twice gives the
// same output and the same model. Lines that name a path with "/" are dropped, so that
// the scripts only open and save files in the private folder the run works in.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "edit/ScriptRunner.h"

using namespace fw;
namespace fs = std::filesystem;

namespace {

// Every command keeps an undo copy of the whole store, which under the sanitizers costs
// about a millisecond: longer scripts would only slow the search down.
constexpr int MAX_LINES = 48;

std::string SafeLines(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size), safe;
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; count < MAX_LINES && std::getline(lines, line); ++count)
        if (line.find('/') == std::string::npos) safe += line + "\n";
    return safe;
}

fs::path workFolder;

// Empties the working folder between runs, so that each run finds the same files.
void ClearFolder() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(workFolder, ec))
        fs::remove_all(entry.path(), ec);
}

// The script runs in the work folder; libFuzzer's own files go where it was started.
struct InWorkFolder {
    fs::path before = fs::current_path();
    InWorkFolder() { fs::current_path(workFolder); }
    ~InWorkFolder() { fs::current_path(before); }
};

struct Outcome {
    std::string output, error;
    std::unique_ptr<ModelStore> model;
};

Outcome Run(const std::string& script) {
    ClearFolder();
    InWorkFolder inside;
    std::ostringstream out;
    ScriptRunner runner(out);
    std::istringstream in(script);
    Outcome outcome;
    outcome.error = runner.Run(in);
    outcome.output = out.str();
    outcome.model = std::make_unique<ModelStore>(runner.Ed().Model());
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Everything the scripts write, the preview copy included, stays in a folder of our own.
    workFolder = fuzz::MakeWorkFolder("fw-script-fuzz");
    ::setenv("TMPDIR", workFolder.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string script = SafeLines(data, size);
    Outcome first = Run(script);
    fuzz::CheckConsistent(*first.model);
    if (!first.error.empty()) FW_CHECK(first.error.starts_with("line "), first.error);
    Outcome second = Run(script);
    FW_CHECK(second.error == first.error, second.error);
    FW_CHECK(second.output == first.output, "the output differs");
    FW_CHECK(fuzz::SameStore(*first.model, *second.model), "the model differs");
    return 0;
}
