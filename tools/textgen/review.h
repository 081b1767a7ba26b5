// The proof-reading sheet: the face texts and the affirmation of every kin,
// assembled by the program's own routines from the files just written.
#pragma once

#include <string>

namespace kl::textgen {

// Reads the data files in `runDir` and writes the UTF-8 sheet to `path`.
bool writeReview(const std::string& runDir, const std::string& path);

}  // namespace kl::textgen
