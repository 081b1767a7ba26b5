// Where kestralune-cli's results go: files the user names on its command
// line, and standard output. Both are checked to the last byte, so a full
// disk or a closed output is a failure, never a quiet success.
#pragma once

#include <string>
#include <string_view>

namespace kl::cli {

// Saves `bytes` as the file the user named, exactly as given (a regular
// file replaced atomically, a device or pipe written through; see
// platform::saveFile). False, with one line in `err`, when it cannot be.
bool writeOutput(const std::string& name, std::string_view bytes, std::string& err);

// Writes `bytes` to standard output, then flushes and closes it. False,
// with one line in `err`, on a failed or short write or a failing flush or
// close. Nothing to write is no failure, even when standard output is closed.
bool finishStandardOutput(std::string_view bytes, std::string& err);

}  // namespace kl::cli
