#include "ui/fullscreen/signfiles.h"

namespace kl {

std::string numsuffix(int k, int lead) {
    return std::to_string(lead) + (k <= 9 ? "00" : "0") + std::to_string(k);
}

namespace {

std::string graphic(const std::string& name) { return "graphic\\" + name + ".bmp"; }
std::string num(int n) { return std::to_string(n); }

}  // namespace

std::string signFileName(int code) {
    if (code == 0 || code == 20) return graphic("0Y");
    if (code >= 1 && code <= 19) return graphic(num(code) + "Y");
    if (code == 30 || code == 50) return graphic("0");
    if (code >= 31 && code <= 49) return graphic(num(code - 30));
    if (code >= 51 && code <= 63) return graphic("Tone" + num(code - 50));
    if (code >= 71 && code <= 77) return graphic(num(code - 70) + "X");
    if (code >= 78 && code <= 97) return graphic("zc45" + numsuffix(code - 78, 0));
    if (code >= 98 && code <= 117) return graphic("zc35" + numsuffix(code - 98, 0));
    if (code >= 118 && code <= 130) return graphic("tn45" + numsuffix(code - 118, 0));
    if (code >= 131 && code <= 137) return graphic("pl35" + numsuffix(code - 131, 0));
    if (code >= 138 && code <= 141) return graphic("md" + numsuffix(code - 137, 0));
    if (code >= 142 && code <= 154) return graphic("tn35" + numsuffix(code - 142, 0));
    if (code >= 155 && code <= 174) return graphic("zcs15" + numsuffix(code - 155, 0));
    if (code >= 175 && code <= 178) return graphic("fr" + num(code - 174));
    if (code >= 179 && code <= 231) return graphic("tn6h" + numsuffix(code - 179, 0));
    switch (code) {
        case 232: return graphic("DOT");
        case 233: return graphic("izin6");
        case 234: return graphic("izin9");
        case 239: return graphic("pvsign");
        case 240: return graphic("zolkin");
        case 241: return graphic("wavespell");
        case 242: return graphic("wave1");
        case 243: return graphic("kin78");
        case 244: return graphic("wings");
        case 372: return graphic("DOT1");
        case 373: return graphic("telectonon");
        default: break;
    }
    if (code >= 235 && code <= 238) return graphic("md" + numsuffix(code - 230, 0));
    if (code >= 251 && code <= 314) return graphic("sgn" + numsuffix((code - 251) % 8, (code - 251) / 8));
    if (code >= 315 && code <= 343) return graphic("rns" + numsuffix(code - 315, 0));
    if (code >= 344 && code <= 350) return graphic("qntr" + numsuffix(code - 344, 0));
    if (code >= 351 && code <= 357) return graphic("qntw" + numsuffix(code - 351, 0));
    if (code >= 358 && code <= 364) return graphic("qntb" + numsuffix(code - 358, 0));
    if (code >= 365 && code <= 371) return graphic("qnty" + numsuffix(code - 365, 0));
    if (code >= 374 && code <= 392) return graphic("vnl50" + numsuffix(code - 373, 0));
    if (code >= 393 && code <= 411) return graphic("vnl40" + numsuffix(code - 392, 0));
    if (code >= 412 && code <= 430) return graphic("vnt40" + numsuffix(code - 412, 0));
    if (code >= 431 && code <= 433) return graphic("LNY" + num(code - 430));
    if (code >= 434 && code <= 436) return graphic("LNR" + num(code - 433));
    if (code >= 437 && code <= 439) return graphic("LNW" + num(code - 436));
    if (code >= 440 && code <= 442) return graphic("LNB" + num(code - 439));
    return {};
}

platform::Rgb signKeyColor(int code) {
    const bool light = code == 100 || (code >= 155 && code <= 174) || (code >= 179 && code <= 231);
    return light ? platform::Rgb{216, 208, 200} : platform::Rgb{0, 0, 0};
}

}  // namespace kl
