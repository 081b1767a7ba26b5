#include "layout/faceglyphs.h"

#include "layout/signtable.h"

namespace kl::layout {

GlyphFiles glyphFiles(int g) {
    const auto graphic = [](const std::string& name) { return "graphic\\" + name + ".bmp"; };
    using namespace code;
    std::string mask;
    if (inFamily(g, kLargeSeal, kSeals, true)) mask = graphic("SBalfa");
    else if (inFamily(g, kSmallSeal, kSeals, true)) mask = graphic("Smalfa");
    else if (inFamily(g, kLargeTone, kTones)) mask = graphic("ToneAlfa" + std::to_string(g - kLargeTone));
    else if (inFamily(g, kLargePlasma, kPlasmas)) mask = graphic("plalfa");
    else return {};
    return {signFileName(g), mask};
}

}  // namespace kl::layout
