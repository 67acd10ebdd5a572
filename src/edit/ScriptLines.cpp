#include "edit/ScriptLines.h"

#include <filesystem>
#include <system_error>

namespace fw {

bool ScriptLineReader::Next(std::string& line) {
    line.clear();
    if (!error_.empty()) return false;
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer) return false;
    using Traits = std::char_traits<char>;
    Traits::int_type c = buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) return false;
    ++number_;
    for (; !Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n';
         c = buffer->sbumpc()) {
        if (line.size() == MAX_SCRIPT_LINE) {
            error_ = "line " + std::to_string(number_) + ": longer than " +
                     std::to_string(MAX_SCRIPT_LINE) + " characters";
            return false;
        }
        line.push_back(Traits::to_char_type(c));
    }
    if (number_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    return true;
}

std::string ScriptPathProblem(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return "'" + path + "' is a folder, not a script";
    return "";
}

}  // namespace fw
