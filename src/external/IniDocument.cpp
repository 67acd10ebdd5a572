#include "external/IniDocument.h"

#include "external/SuiteStrings.h"

namespace fw {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return UpperCase(a) == UpperCase(b);
}

bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#');
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string> SectionName(std::string_view body) {
    // A byte order mark belongs to the file, not to the first section name.
    if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
    std::string trimmed = TrimBlanks(body);
    if (trimmed.size() < 2 || trimmed[0] != '[') return std::nullopt;
    size_t close = trimmed.find(']');
    if (close == std::string::npos) return std::nullopt;
    return TrimBlanks(std::string_view(trimmed).substr(1, close - 1));
}

// Position of the "=" of a "key=value" line, or npos for blank, comment and other lines.
size_t EqualsSign(std::string_view body) {
    std::string trimmed = TrimBlanks(body);
    if (trimmed.empty() || IsComment(trimmed) || trimmed[0] == '[') return std::string::npos;
    return body.find('=');
}

// A key that would read back as a section header or as no entry at all: after blanks (and
// a byte order mark, which the section reader skips) it starts with "[".
bool LooksLikeSection(std::string_view key) {
    if (key.starts_with("\xEF\xBB\xBF")) key.remove_prefix(3);
    std::string trimmed = TrimBlanks(key);
    return !trimmed.empty() && trimmed[0] == '[';
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), ""});
            break;
        }
        size_t end = newline;
        bool crlf = end > start && text[end - 1] == '\r';
        if (crlf) --end;
        lines_.push_back({std::string(text.substr(start, end - start)), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
}

std::optional<IniDocument::Found> IniDocument::Find(std::string_view section,
                                                    std::string_view key) const {
    std::string wantSection = TrimBlanks(section);
    std::string wantKey = TrimBlanks(key);
    size_t i = 0;
    while (i < lines_.size()) {
        auto name = SectionName(lines_[i].body);
        ++i;
        if (!name || !SameName(*name, wantSection)) continue;
        Found found{i - 1, i - 1, std::nullopt};
        for (; i < lines_.size() && !SectionName(lines_[i].body); ++i) {
            size_t eq = EqualsSign(lines_[i].body);
            if (eq == std::string::npos) continue;
            found.lastEntry = i;
            if (!found.key && SameName(TrimBlanks(lines_[i].body.substr(0, eq)), wantKey))
                found.key = i;
        }
        return found;  // the first section of that name is the one that counts
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto found = Find(section, key);
    if (!found || !found->key) return std::nullopt;
    const std::string& body = lines_[*found->key].body;
    return TrimBlanks(std::string_view(body).substr(body.find('=') + 1));
}

std::string IniDocument::Set(std::string_view section, std::string_view key,
                             std::string_view value) {
    std::string cleanSection = TrimBlanks(section);
    std::string cleanKey = TrimBlanks(key);
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return "Settings names and values cannot contain line breaks.";
    if (cleanSection.empty() || cleanSection.find(']') != std::string::npos)
        return "Invalid settings section name '" + cleanSection + "'.";
    if (cleanKey.empty() || cleanKey.find('=') != std::string::npos || LooksLikeSection(cleanKey) ||
        IsComment(cleanKey))
        return "Invalid settings key name '" + cleanKey + "'.";

    std::string cleanValue = TrimBlanks(value);
    auto found = Find(cleanSection, cleanKey);
    if (found && found->key) {
        Line& line = lines_[*found->key];
        size_t eq = line.body.find('=');
        // Keep "key = " as the user spelled it, including a blank after the sign.
        size_t valueStart = eq + 1;
        while (valueStart < line.body.size() && line.body[valueStart] == ' ') ++valueStart;
        if (valueStart == line.body.size()) valueStart = eq + 1;
        line.body = line.body.substr(0, valueStart) + cleanValue;
        return "";
    }
    std::string ending = NewLineEnding();
    Line entry{cleanKey + "=" + cleanValue, ending};
    if (found) {
        size_t at = found->lastEntry;
        if (lines_[at].ending.empty()) lines_[at].ending = ending;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at + 1), entry);
        return "";
    }
    if (!lines_.empty()) {
        if (lines_.back().ending.empty()) lines_.back().ending = ending;
        if (!TrimBlanks(lines_.back().body).empty()) lines_.push_back({"", ending});
    }
    lines_.push_back({"[" + cleanSection + "]", ending});
    lines_.push_back(entry);
    return "";
}

std::string IniDocument::NewLineEnding() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\n";
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) text += line.body + line.ending;
    return text;
}

}  // namespace fw
