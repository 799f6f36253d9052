#pragma once
// Runs a helper program of the program folder and waits for it while the window
// keeps answering: the conversions it is used for take a moment on large newsletters.
#include <string>
#include <vector>

namespace quillora {

struct ProgramRun {
    bool started = false;
    bool crashed = false;
    int exitCode = -1;      // valid when started and not crashed
    std::string errorText;  // why it did not start, or what it wrote to stderr (native text)
};

// Starts `program` (a name looked up in `folder`, or an absolute path) with `folder` as
// working folder and exactly `arguments` as its arguments; no shell is involved, so
// blanks and quotes in paths need no care. While it runs, pending events of the
// application are processed every 100 ms; the wait ends early when the application
// is closing down (the program is then stopped).
ProgramRun RunAndWait(const std::string& folder, const std::string& program, const std::vector<std::string>& arguments);

}  // namespace quillora
