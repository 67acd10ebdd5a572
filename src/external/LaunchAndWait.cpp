#include "external/LaunchAndWait.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

extern char** environ;

namespace fw {

std::optional<SuiteError> LaunchAndWait(const std::string& path, SuiteUi& ui) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
        return SuiteError{
            "", "Internal error",
            "Program tried to launch '" + path + "', but that file is not available."};
    std::string program = path;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    int error = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0)
        return SuiteError{"", "Internal error",
                          "Program tried to launch '" + path +
                              "', but it could not be started: " + std::strerror(error)};
    // No thread: poll the child between rounds of pending events, resting a little so the
    // wait costs no processor time.
    for (;;) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) break;
        ui.YieldEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

}  // namespace fw
