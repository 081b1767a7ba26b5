#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

namespace kl::cli {

bool writeOutput(const std::string& name, std::string_view bytes, std::string& err) {
    const platform::Saved saved = platform::saveFile(platform::UserPath(name), bytes);
    if (saved == platform::Saved::Done) return true;
    err += "kestralune-cli: cannot write " + name + ": " + platform::saveFailureText(saved) + "\n";
    return false;
}

bool finishStandardOutput(std::string_view bytes, std::string& err) {
    if (bytes.empty()) return true;
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (std::fflush(stdout) != 0) ok = false;
    int why = ok ? 0 : errno;
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
