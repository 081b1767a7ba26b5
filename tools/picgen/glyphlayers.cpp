#include "tools/picgen/glyphlayers.h"

#include <cmath>

#include "layout/boardviews.h"
#include "platform/fonts.h"

namespace kl::picgen {
namespace {

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Point size of the glyphs of a sign code; the pixel height is the point
// size at 96 pixels per inch.
int pointSize(int code) {
    if (code >= 0 && code <= 20) return 72;
    if (code >= 30 && code <= 50) return 62;
    if (code >= 51 && code <= 63) return 78;
    if (code >= 71 && code <= 77) return 50;
    if (code >= 78 && code <= 97) return 40;
    if ((code >= 98 && code <= 117) || (code >= 131 && code <= 137)) return 30;
    if (code >= 118 && code <= 130) return 42;
    if (code >= 138 && code <= 141) return 86;
    if ((code >= 142 && code <= 154) || (code >= 251 && code <= 314)) return 36;
    if (code >= 155 && code <= 174) return 14;
    if ((code >= 179 && code <= 230) || code == 232 || code == 372) return 16;
    if (code == 239 || code == 243) return 20;
    if (code == 241) return 100;
    if (code >= 315 && code <= 343) return 24;
    if (code >= 344 && code <= 371) return 28;
    if (code >= 374 && code <= 392) return 41;
    if (code >= 393 && code <= 411) return 34;
    if (code >= 412 && code <= 430) return 38;
    return 0;
}

int pixelHeight(int points) { return roundEven(points * 96.0 / 72.0); }

// The four colours of the count by colour index, and the light and marker colours.
LayerColour colourOf(int index) {
    if (index >= 0 && index <= 43) {
        static constexpr LayerColour four[4] = {{255, 0, 0}, {255, 255, 255}, {0, 0, 255}, {255, 255, 0}};
        return four[index % 4];
    }
    switch (index) {
        case 100: return {255, 100, 100};
        case 101: return {180, 180, 180};
        case 102: return {100, 100, 255};
        case 103: return {255, 255, 100};
        case 232: return {236, 196, 96};
        case 239: return {250, 50, 250};
        case 243: return {50, 250, 150};
        case 372: return {244, 238, 222};
        default: return {};
    }
}

constexpr LayerColour kBlack{0, 0, 0};

char upper(int n) { return static_cast<char>(n >= 1 && n <= 26 ? 'A' + n - 1 : 96 + n); }  // letter 96 + n, upper-cased
char lower(int n) { return static_cast<char>(97 + n); }

class Builder {
public:
    Builder(ExportedSign& sign, bool centred) : sign_(sign), centred_(centred) {}
    // The face and size of the following glyphs.
    void font(const std::string& face, int points, int pixels) { face_ = face, points_ = points, pixels_ = pixels; }
    void font(const std::string& face, int points) { font(face, points, pixelHeight(points)); }
    void text(char glyph, LayerColour colour, int x, int y) {
        sign_.layers.push_back({face_, glyph, colour, points_, pixels_, x, y, centred_});
    }

private:
    ExportedSign& sign_;
    bool centred_;
    std::string face_;
    int points_ = 0, pixels_ = 0;
};

}  // namespace

ExportedSign exportSign(int code, int x, int y, bool centred) {
    ExportedSign out;
    if (!centred) x -= 145;
    y -= 50;
    out.centred = centred;
    out.pictX = centred ? x + 2 : x + 35;
    out.pictY = y;

    const std::string sign = platform::kSignFontFamily;
    const int s = pointSize(code);
    // Shifted position of the glyphs and their standard text corner.
    int gx = x, gy = y;
    auto X = [&](double fx = 0.05) { return roundEven(gx - s * fx); };
    auto Y = [&](double fy = 0.22) { return roundEven(gy - s * fy); };
    // Seals, tones, plasmas, frames, the dots and markers carry an alignment
    // word; the other families are always placed by their left edge.
    const bool aligned = code <= 154 || code == 232 || code == 239 || code == 241 || code == 243 || code == 372;
    Builder b(out, centred && aligned);

    auto seal = [&](int n) {
        b.font(sign, s);
        b.text('W', colourOf(n + 3), X(), Y());
        b.text(upper(n == 0 ? 20 : n), kBlack, X(), Y());
    };

    if ((code >= 0 && code <= 20) || (code >= 30 && code <= 50) || (code >= 78 && code <= 117)) {
        gx = centred ? x + 6 : x + 35;
        int n = code;
        if (code >= 30 && code <= 50) gx -= 2, n = code - 30;
        if (code >= 78 && code <= 97) gx += centred ? -2 : 3, gy += 3, n = code - 77;
        if (code >= 98 && code <= 117) gx += 3, gy += 3, n = code - 97;
        seal(n % 20 == 0 ? 20 : n);
    } else if ((code >= 51 && code <= 63) || (code >= 118 && code <= 130) || (code >= 142 && code <= 154)) {
        gx = centred ? x + 5 : x + 30;
        int t = code - 51;
        if (code >= 118 && code <= 130) t = code - 118, gx += 6;
        if (code >= 142 && code <= 154) t = code - 142, gx += 5, gy += 1;
        b.font(sign, s);
        b.text(lower(t), kBlack, X(), Y());
    } else if ((code >= 71 && code <= 77) || (code >= 131 && code <= 137)) {
        gx = centred ? x + 6 : x + 35;
        int p = code - 131;
        if (code <= 77) p = code - 71, gx -= 4;
        b.font(sign, s);
        b.text('X', colourOf(p + 3), X(0.045), gy);
        b.text(static_cast<char>('1' + p), kBlack, X(0.045), gy);
    } else if (code >= 138 && code <= 141) {
        gx = (centred ? x + 5 : x + 30) - 12;
        gy += 15;
        b.font(sign, s);
        b.text('\\', colourOf(code - 138 + 100), X(), Y());
    } else if (code >= 155 && code <= 174) {
        gx = x + 36;
        seal(code - 154);
    } else if (code >= 179 && code <= 230) {
        gx = x + 35, gy = y - 1;
        b.font(sign, s);
        b.text(lower((code - 179) % 13), kBlack, X(), Y());
    } else if (code == 233 || code == 234) {
        gx = x + 37, gy = y - 20;
        b.font(kPieceFace, 33, 44);
        b.text(code == 233 ? ']' : '[', kBlack, roundEven(gx - 0.05 * 33), roundEven(gy - 0.22 * 33));
    } else if (code == 232 || code == 372) {
        gx = centred ? x + 2 : x + 35;
        b.font(sign, s);
        if (code == 232) {
            b.text('.', colourOf(code), X(), Y());
        } else {
            b.text('o', colourOf(code), X(), Y());
            b.text(':', colourOf(232), X(), Y());
        }
    } else if (code == 239 || code == 243) {
        gx = centred ? x + 5 : x + 30;
        b.font(sign, s);
        b.text('*', colourOf(code), X(), Y());
    } else if (code == 241) {
        b.font(sign, s);
        for (int i = 1; i <= 13; ++i) {
            const layout::Point at = layout::wave::slot(i);
            b.text('_', {200, 20, 200}, 102 * (at.x + 1) - 275 - 5, 91 * at.y - 53 - 22);
        }
    } else if (code >= 251 && code <= 314) {
        const int r = code - 251, m = r % 8;
        gx = x + 34, gy = y + 20;
        b.font(kRuneFace, 39, 52);
        b.text('\\', {159, 159, 159}, roundEven(gx + 18 - 0.05 * 39), roundEven(gy - 14 - 0.22 * 39));
        b.font(kFigureFace, s);
        const int fx = roundEven(gx - 0.05 * 33), fy = roundEven(gy - 0.22 * 33);
        if (m == 1 || m == 4) b.text('o', kBlack, fx, fy);
        if (m == 2 || m == 5) b.text('p', kBlack, fx, fy);
        const int c = m <= 2 ? 1 : m <= 5 ? 2 : m == 6 ? 3 : 4;
        const int base = (r / 8) * 4 + c;
        b.text(r < 54 ? upper(base) : lower(base - 27), kBlack, fx, fy);
    } else if (code >= 315 && code <= 343) {
        gx = x + 46, gy = y + 4;
        const int r = code - 315;
        const char glyph = r <= 25 ? static_cast<char>('A' + r) : r == 26 ? '[' : r == 27 ? '\\' : '}';
        b.font(kRuneFace, s);
        if (glyph != 'G' && glyph != 'N' && glyph != 'U' && glyph != '\\') b.text('_', kBlack, X(), Y());
        b.text(glyph, kBlack, X(), Y());
    } else if (code >= 344 && code <= 371) {
        gx = x + 41, gy = y + 2;
        const int set = (code - 344) / 7;
        int q = (code - 344) % 7;
        static constexpr LayerColour weekColour[4] = {{255, 0, 0}, {255, 255, 255}, {0, 0, 255}, {255, 255, 0}};
        const LayerColour first = q == 3 ? LayerColour{0, 0, 255} : weekColour[set];
        b.font(kMoonDayFace, s);
        b.text(static_cast<char>('1' + q), first, X(), Y());
        b.text(upper(q + 13), colourOf(q + 3), X(), Y());
        b.text(static_cast<char>('A' + q), kBlack, X(), Y());
        if (q != 0 && q != 4)
            b.text(q <= 4 ? upper(q + 19) : upper(q + 18), q == 3 ? colourOf(4) : colourOf(q + 2), X(), Y());
        if (q == 2 || q == 6) b.text(q <= 4 ? upper(q + 18) : upper(q + 17), colourOf(q + 1), X(), Y());
    } else if (code >= 374 && code <= 411) {
        gx = x + 33, gy = y + (code <= 392 ? 14 : 15);
        b.font(kVinalFace, s);
        b.text(upper(code <= 392 ? code - 373 : code - 392), kBlack, X(), Y());
    } else if (code >= 412 && code <= 430) {
        gx = x + 24, gy = y + 11;
        b.font(kVinalFace, s);
        b.text(lower(code - 412), kBlack, X(), Y());
    }
    return out;
}

const std::vector<ExportUse>& exportUses() {
    static const std::vector<ExportUse> uses = [] {
        std::vector<ExportUse> u;
        auto range = [&u](int first, int last, bool left, bool centred) {
            for (int c = first; c <= last; ++c) u.push_back({c, left, centred});
        };
        range(0, 20, true, true);      // day and oracle views centre the large and small seals
        range(30, 50, true, true);
        range(51, 63, true, true);
        range(71, 77, true, true);
        range(78, 97, true, true);
        range(98, 117, true, true);
        range(118, 130, true, false);
        range(131, 137, true, false);
        range(138, 141, true, false);
        range(142, 154, true, true);
        range(155, 174, true, false);
        range(179, 230, true, false);
        range(232, 232, true, false);  // the year view's dot
        range(233, 234, true, false);
        range(239, 239, true, true);
        range(241, 241, false, true);  // the wavespell board is always centred
        range(243, 243, true, true);
        range(251, 343, true, false);
        range(344, 371, true, false);
        range(372, 372, true, true);   // the day out of time's dot: the year grid, the moon and week pages
        range(374, 430, true, false);
        return u;
    }();
    return uses;
}

}  // namespace kl::picgen
