#include "ui/compact/glyphfiles.h"

namespace kl {

GlyphFiles glyphFiles(int g) {
    const auto graphic = [](const std::string& name) { return "graphic\\" + name + ".bmp"; };
    if (g == 0 || g == 20) return {graphic("0Y"), graphic("SBalfa")};
    if (g >= 1 && g <= 19) return {graphic(std::to_string(g) + "Y"), graphic("SBalfa")};
    if (g == 30 || g == 50) return {graphic("0"), graphic("Smalfa")};
    if (g >= 31 && g <= 49) return {graphic(std::to_string(g - 30)), graphic("Smalfa")};
    if (g >= 51 && g <= 63) {
        const std::string t = std::to_string(g - 50);
        return {graphic("Tone" + t), graphic("ToneAlfa" + t)};
    }
    if (g >= 71 && g <= 77) return {graphic(std::to_string(g - 70) + "X"), graphic("plalfa")};
    return {};
}

}  // namespace kl
