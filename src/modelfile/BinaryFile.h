#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// Reads a whole regular file of at most `maxSize` bytes. Returns "" or a message that names
// the file: "File X not found.", "X is not a file.", "X is too large ...", "Cannot read X.".
std::string ReadBinaryFile(const std::string& path, std::vector<uint8_t>& bytes,
                           std::uintmax_t maxSize);

// Writes `bytes` through a temporary file and a rename, so a failure leaves any old file as
// it was. Returns "" or a message naming the file.
std::string WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace fw
