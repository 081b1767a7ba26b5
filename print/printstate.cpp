#include "print/printstate.h"

#include "data/settings.h"

namespace kl::print {

bool validPageSize(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxPageSide && height <= kMaxPageSide &&
           width * height <= kMaxPagePixels;
}

void setPrintDay(PrintState& state, const CalendarDay& day) {
    state.printDay = day;
    state.printRelations = computeKinRelations(day);
}

std::string fontFace(const std::string& face) {
    if (!face.empty()) return face;
    const std::string& programFont = settings()._signfont;
    return programFont.empty() ? kDefaultSignFont : programFont;
}

}  // namespace kl::print
