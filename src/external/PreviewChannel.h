#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// The way to the preview viewer process: starting programs and sending command lines.
// Sending is fire-and-forget: nothing ever comes back, and a line that cannot be delivered
// is lost without a message.
class PreviewChannel {
public:
    virtual ~PreviewChannel() = default;
    // Starts `program` detached with `arguments`; with `takeFocus` false its window must not
    // take the focus from the editor. Returns the process id, 0 when it could not start.
    virtual int64_t Launch(const std::string& program, const std::vector<std::string>& arguments,
                           bool takeFocus) = 0;
    // One command line without its line end.
    virtual void Send(const std::string& line) = 0;
};

}  // namespace fw
