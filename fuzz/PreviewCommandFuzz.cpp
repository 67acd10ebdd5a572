// The viewer's command channel on arbitrary bytes: line splitting, parsing, and the session
// applying whatever parses (without a file, so reloads fail cleanly).
#include <cstdint>
#include <string>
#include <string_view>

#include "external/PreviewCommandLine.h"
#include "viewer/ViewerSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fw::PreviewLineBuffer lines;
    fw::ViewerSession session;
    session.SetFile("/nonexistent/sbx-fuzz.pol");
    lines.Feed(bytes, [&](std::string_view line) {
        if (line.size() > fw::PreviewLineBuffer::MAX_LINE) __builtin_trap();
        auto command = fw::ParsePreviewCommand(line);
        if (!command) return;
        // What is parsed must format back to a line that parses to the same command.
        if (fw::ParsePreviewCommand(fw::FormatPreviewCommand(*command)) != command) __builtin_trap();
        session.Apply(*command);
    });
    fw::NormalizeAngles(session.Angles());
    return 0;
}
