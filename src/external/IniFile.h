#pragma once

#include <string>
#include <string_view>

namespace fw {

// The suite's settings access: one value by directory, file name, section and key. Files
// are read and written through IniDocument so that everything but the value written stays
// as it was (see IniDocument.h for why).

// The value, or "" when the file, section or key is missing or the file cannot be read.
// Only a regular file of at most 1 MB is read; `problem`, when given, receives why a file
// that exists could not be read ("" otherwise).
std::string IniRead(std::string_view directory, std::string_view file, std::string_view section,
                    std::string_view key, std::string* problem = nullptr);

// Writes the value, creating the directory and file when missing. The new file replaces
// the old one in one rename, so a crash or a full disk never leaves a user's file cut
// short; a symbolic link is written through to its file. Returns an error text, "" on
// success; on failure the file is unchanged.
std::string IniWrite(std::string_view directory, std::string_view file, std::string_view section,
                     std::string_view key, std::string_view value);

}  // namespace fw
