#pragma once

#include <optional>
#include <string>

namespace fw {

// How the status line shows a message: errors beep.
enum class StatusKind : int { Error = -1, Plain = 0, Info = 1 };

// What a command reports back: whether it did its job or refused, and the status line text.
// A refused command leaves the model exactly as it was (Editor::Run restores it).
struct CommandResult {
    bool done = true;
    // Shown after the command; nullopt leaves the status line as it is.
    std::optional<std::string> status;
    StatusKind kind = StatusKind::Plain;

    bool Refused() const { return !done; }
};

inline CommandResult Done() {
    return {};
}
inline CommandResult Done(std::string status, StatusKind kind = StatusKind::Info) {
    return {true, std::move(status), kind};
}
// Did nothing; `status` says why (an error, with a beep).
inline CommandResult Refused(std::string status) {
    return {false, std::move(status), StatusKind::Error};
}
// Did nothing and has nothing to say (a key with no item to act on).
inline CommandResult Ignored() {
    return {false, std::nullopt, StatusKind::Plain};
}

}  // namespace fw
