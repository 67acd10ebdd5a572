#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "modelfile/ModelFileTestUtil.h"

namespace fw::test {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

inline std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// A directory of its own for one test, removed afterwards.
using ToolDir = TempDir;

struct ToolResult {
    int ExitCode = -1;
    std::string Out, Err;
};

// Runs the built facetwork-tool in `dir` with `arguments` (already quoted), capturing both
// streams.
inline ToolResult RunTool(const ToolDir& dir, const std::string& arguments) {
    fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
    std::string command = "cd " + Quoted(dir / ".") + " && " +
                          Quoted(fs::path(FW_BIN_DIR) / "facetwork-tool") + " " + arguments + " >" +
                          Quoted(out) + " 2>" + Quoted(err);
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
}

// The exit code and error stream of a run, to compare in one step with Failed(...).
using Failed = std::pair<int, std::string>;
inline Failed Failure(const ToolDir& dir, const std::string& arguments) {
    ToolResult r = RunTool(dir, arguments);
    return {r.ExitCode, r.Err};
}

inline fs::path Example(const std::string& name) {
    return fs::path(FW_SOURCE_DIR) / "examples" / name;
}

}  // namespace fw::test
