// The stream checker on any file and on any stream with any header values: it ends, each
// fault is one line and named once, the same input gives the same faults, and a file it
// passes no longer passes once its length no longer matches its header.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "modelfile/StreamChecker.h"

using namespace fw;

namespace {

void CheckFaultList(const std::vector<std::string>& faults) {
    std::set<std::string> seen;
    for (const std::string& fault : faults) {
        fuzz::CheckMessage(fault);
        FW_CHECK(seen.insert(fault).second, "named twice: " + fault);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> file(data, size);
    auto faults = CheckModelFileBytes(file);
    CheckFaultList(faults);
    FW_CHECK(CheckModelFileBytes(file) == faults, "a second check differs");
    if (faults.empty()) {
        std::vector<uint8_t> longer(data, data + size);
        longer.push_back(0);
        FW_CHECK(!CheckModelFileBytes(longer).empty(), "one byte more passes too");
    }

    // The same bytes as a bare stream, with header values taken from their end.
    FuzzedDataProvider provider(data, size);
    StreamLayout layout;
    layout.NumSubmodels = provider.ConsumeIntegralInRange(1, MAX_SUBMODELS);
    layout.NumberOfTextures = provider.ConsumeIntegralInRange(0, 255);
    for (int32_t& pointer : layout.SubmodelPointers)
        pointer = provider.ConsumeIntegralInRange<int32_t>(-4, 4096);
    std::vector<uint8_t> stream = provider.ConsumeRemainingBytes<uint8_t>();
    auto streamFaults = CheckStream(stream, layout);
    CheckFaultList(streamFaults);
    return 0;
}
