#include "print/printstate.h"

#include "data/settings.h"

namespace kl::print {

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
