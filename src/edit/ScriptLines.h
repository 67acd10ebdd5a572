#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace fw {

// Longest script line read; far beyond any real command line, and it keeps a damaged or
// wrong file (one huge line) from filling memory.
inline constexpr size_t MAX_SCRIPT_LINE = 64 * 1024;

// Reads the lines of an editing script: a UTF-8 byte order mark before the first line
// (which editors on Windows write) is dropped, and a line longer than MAX_SCRIPT_LINE stops
// the reading without the rest of it being read.
class ScriptLineReader {
public:
    explicit ScriptLineReader(std::istream& in) : in_(in) {}

    // The next line without its line feed; false at the end or at an overlong line.
    bool Next(std::string& line);
    // Number of the line Next returned last (1 for the first).
    int LineNumber() const { return number_; }
    // "" at the end of the script, otherwise "line N: ..." for the line that was too long.
    const std::string& Error() const { return error_; }

private:
    std::istream& in_;
    int number_ = 0;
    std::string error_;
};

// Why `path` cannot be run as a script (it is a folder), or "". Pipes and devices, such as
// a shell's process substitution, are fine.
std::string ScriptPathProblem(const std::string& path);

}  // namespace fw
