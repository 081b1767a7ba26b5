#include "layout/faceglyphs.h"

#include "layout/signtable.h"

namespace kl::layout {

GlyphFiles glyphFiles(int g) {
    const auto graphic = [](const std::string& name) { return "graphic\\" + name + ".bmp"; };
    std::string mask;
    if (g >= 0 && g <= 20) mask = graphic("SBalfa");
    else if (g >= 30 && g <= 50) mask = graphic("Smalfa");
    else if (g >= 51 && g <= 63) mask = graphic("ToneAlfa" + std::to_string(g - 50));
    else if (g >= 71 && g <= 77) mask = graphic("plalfa");
    else return {};
    return {signFileName(g), mask};
}

}  // namespace kl::layout
