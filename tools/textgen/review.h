// The proof-reading sheet: the face texts and the affirmation of every kin,
// assembled by the program's own routines from the files just written, and
// pictures of the text pages (seal, tone, plasma, help) as the view lays them out.
#pragma once

#include <string>

namespace kl::textgen {

// Reads the data files in `runDir`, writes the UTF-8 sheet to `path` and the
// page pictures page_*.png beside it.
bool writeReview(const std::string& runDir, const std::string& path);

}  // namespace kl::textgen
