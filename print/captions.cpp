#include "print/captions.h"

#include "data/textdb.h"

namespace kl::print {

int PrintCaptions::indexOf(int line) {
    if (line >= 484 && line <= 524) return line - 484;
    if (line >= 628 && line <= 635) return 41 + line - 628;
    if (line >= 646 && line <= 652) return 49 + line - 646;
    return -1;
}

void PrintCaptions::load() {
    for (int line = 484; line <= 652; ++line) {
        const int i = indexOf(line);
        if (i < 0) continue;
        std::string text;
        readtext(line, "Base.drs", text);
        entries_[static_cast<std::size_t>(i)] = text;
    }
}

std::string PrintCaptions::text(int line, const char* fallback) const {
    const int i = indexOf(line);
    if (i < 0 || entries_[static_cast<std::size_t>(i)].empty()) return fallback;
    return entries_[static_cast<std::size_t>(i)];
}

}  // namespace kl::print
