// Where kestralune-cli's results go: files the user names on its command
// line, and standard output. Both are checked to the last byte, so a full
// disk or a closed output is a failure, never a quiet success.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace kl::cli {

// Saves `bytes` as the file the user named, exactly as given (a regular
// file replaced atomically, a device or pipe written through; see
// platform::saveFile). False, with one line in `err`, when it cannot be.
bool writeOutput(const std::string& name, std::string_view bytes, std::string& err);
// The same for contents made while they are written (see platform::saveFile).
bool writeOutput(const std::string& name, const platform::Producer& produce, std::string& err);

// Writes one piece to standard output as it is made; false once a piece
// (this or an earlier one) could not be written. finishStandardOutput then
// says why and fails.
bool writeStandardOutput(std::string_view piece);

// Writes `bytes` to standard output, then flushes and closes it. False,
// with one line in `err`, on a failed or short write (of these bytes or of
// an earlier piece) or a failing flush or close. Nothing written at all is
// no failure, even when standard output is closed.
bool finishStandardOutput(std::string_view bytes, std::string& err);

}  // namespace kl::cli
