#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/codec.h"
#include "platform/files.h"

namespace kl::cli {

namespace {

bool saved(const std::string& name, platform::Saved result, std::string& err) {
    if (result == platform::Saved::Done) return true;
    err += "kestralune-cli: cannot write " + platform::escapedControls(name) + ": " + platform::saveFailureText(result) + "\n";
    return false;
}

// What has gone to standard output so far: whether anything was written,
// and the reason of the first write that failed (-1 while none has).
struct StandardOutputState {
    bool written = false;
    int failure = -1;
};
StandardOutputState& standardOutput() {
    static StandardOutputState state;
    return state;
}

}  // namespace

bool writeOutput(const std::string& name, std::string_view bytes, std::string& err) {
    return saved(name, platform::saveFile(platform::UserPath(name), bytes), err);
}

bool writeOutput(const std::string& name, const platform::Producer& produce, std::string& err) {
    return saved(name, platform::saveFile(platform::UserPath(name), produce), err);
}

bool writeStandardOutput(std::string_view piece) {
    StandardOutputState& state = standardOutput();
    if (state.failure >= 0) return false;
    if (piece.empty()) return true;
    state.written = true;
    errno = 0;
    if (std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size()) return true;
    state.failure = errno;
    return false;
}

bool finishStandardOutput(std::string_view bytes, std::string& err) {
    StandardOutputState& state = standardOutput();
    writeStandardOutput(bytes);
    if (!state.written) return true;
    errno = 0;
    bool ok = state.failure < 0;
    if (std::fflush(stdout) != 0 && ok) {
        ok = false;
        state.failure = errno;
    }
    int why = ok ? 0 : state.failure;
    // Closing reports what a file system keeps back until then (a full
    // disk over the network).
    if (std::fclose(stdout) != 0 && ok) {
        ok = false;
        why = errno;
    }
    if (ok) return true;
    err += std::string("kestralune-cli: cannot write standard output: ") +
           (why != 0 ? std::strerror(why) : "the output is full") + "\n";
    return false;
}

}  // namespace kl::cli
