// The settings files on any text, and any section, key and value: the text survives a
// read byte for byte, a value that was set reads back (trimmed) from the text and from the
// file, setting one key changes no other, numbers read from settings are always finite,
// and the settings getters stay within their ranges.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "config/Settings.h"
#include "external/IniDocument.h"
#include "external/IniFile.h"
#include "external/SuiteStrings.h"
#include "model/NumberText.h"

using namespace fw;
namespace fs = std::filesystem;

namespace {

fs::path folder;

bool SameName(const std::string& a, const std::string& b) {
    return UpperCase(TrimBlanks(a)) == UpperCase(TrimBlanks(b));
}

void CheckNumber(const std::string& text) {
    double value = 1;
    bool read = TryReadNumber(text, value);
    FW_CHECK(std::isfinite(value), text);
    FW_CHECK(read || value == 0, text);
}

// The getters over a settings file holding `text`.
void CheckSettingsFile(const std::string& text, int index) {
    std::ofstream(folder / FACETWORK_INI, std::ios::binary | std::ios::trunc) << text;
    Settings settings(folder.string());
    for (int view = 0; view < 3; ++view) {
        FW_CHECK(settings.GridIndex(view) >= 0 && settings.GridIndex(view) <= 9, "");
        FW_CHECK(settings.SnapIndex(view) >= 0 && settings.SnapIndex(view) <= 9, "");
    }
    FW_CHECK(settings.MoveRateIndex() >= 0 && settings.MoveRateIndex() <= 9, "");
    FW_CHECK(settings.IsoMode() >= 0 && settings.IsoMode() <= 2, "");
    FW_CHECK(settings.SplitterH() >= MIN_SPLITTER_H && settings.SplitterV() <= MAX_SPLITTER_V, "");
    std::string error = settings.SetGridIndex(index % 3, index);
    FW_CHECK(error.empty(), error);
    FW_CHECK(settings.GridIndex(index % 3) == index, std::to_string(index));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = fuzz::MakeWorkFolder("fw-settings-fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    std::string section = provider.ConsumeRandomLengthString(24);
    std::string key = provider.ConsumeRandomLengthString(24);
    std::string value = provider.ConsumeRandomLengthString(24);
    std::string otherKey = provider.ConsumeRandomLengthString(24);
    int index = provider.ConsumeIntegralInRange(0, 9);
    std::string text = provider.ConsumeRemainingBytesAsString();

    IniDocument document(text);
    FW_CHECK(document.Text() == text, "the text changed on reading");
    auto otherBefore = document.Get(section, otherKey);
    std::string error = document.Set(section, key, value);
    if (!error.empty()) {
        fuzz::CheckMessage(error);
        FW_CHECK(document.Text() == text, error);
    } else {
        FW_CHECK(document.Get(section, key) == TrimBlanks(value), key);
        IniDocument reread(document.Text());
        FW_CHECK(reread.Get(section, key) == TrimBlanks(value), key);
        if (!SameName(key, otherKey))
            FW_CHECK(reread.Get(section, otherKey) == otherBefore, otherKey);
    }
    CheckNumber(value);
    CheckNumber(text.substr(0, 64));

    // The same through the files.
    std::ofstream(folder / FACETWORK_INI, std::ios::binary | std::ios::trunc) << text;
    FW_CHECK(IniRead(folder.string(), FACETWORK_INI, section, otherKey) ==
                 IniDocument(text).Get(section, otherKey).value_or(""),
             otherKey);
    if (error.empty()) {
        std::string written = IniWrite(folder.string(), FACETWORK_INI, section, key, value);
        FW_CHECK(written.empty(), written);
        FW_CHECK(IniRead(folder.string(), FACETWORK_INI, section, key) == TrimBlanks(value), key);
    }
    CheckSettingsFile(text, index);
    return 0;
}
