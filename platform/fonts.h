// The program's own symbol fonts. The build draws them into fonts/ beside
// the executable; the program and the command-line companion register them
// for their own process at start, so nothing is installed on the system.
#pragma once

#include <string>
#include <vector>

namespace kl::platform {

// Family of the sign font: seals, tones, plasmas, frames and markers. The
// shipped settings name it, and an empty setting falls back to it.
inline constexpr const char* kSignFontFamily = "Kestralune Signs";

struct ProgramFont {
    const char* family;  // the face name the print scripts use
    const char* file;    // below the program's fonts/ directory
};
// The six fonts the build ships, the sign font first.
const std::vector<ProgramFont>& programFonts();

// Registers every shipped font found in `directory` (relative names are
// resolved below the program directory) with the running application, which
// must already exist. A font that is missing or unreadable is one line on
// stderr; its face then falls back to whatever the font system substitutes.
// Returns those lines (empty when every font was registered).
std::vector<std::string> registerProgramFonts(const std::string& directory = "fonts");
// The same for the sign font alone, all the views draw in.
std::vector<std::string> registerSignFont(const std::string& directory = "fonts");

// True when the font system has the family itself (a registered or installed
// font), not merely a substitute for it.
bool fontFamilyAvailable(const std::string& family);

}  // namespace kl::platform
