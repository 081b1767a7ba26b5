// The tone, seal and plasma pages (modes 1..3) and the oracle (mode 4).
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/signcodes.h"
#include "layout/signtable.h"
#include "platform/codec.h"
#include "platform/draw.h"
#include "ui/fullscreen/scaledsign.h"
#include "ui/fullscreen/textrenderer.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout::base;
using namespace layout::code;
using layout::ViewBox;

// The explanation texts: a block of lines per tone, seal or plasma.
constexpr const char* kToneInfo = "TONEINFO.drs";
constexpr const char* kSealInfo = "DAYINFO.drs";
constexpr const char* kPlasmaInfo = "PLASMINFO.drs";
constexpr int kToneBlock = 17, kSealBlock = 17, kPlasmaBlock = 5;
constexpr int kPageLinePitch = 17;
constexpr int kPagePreset = 5;

// A centred heading of a page.
struct Heading {
    int y;
    std::string text;
    int preset;
};

// A page: its sign picture at the top, its headings, the day's block of its
// explanation file, and the room the larger sign may take.
struct Page {
    int signCode, signY;
    SignRole role;
    std::vector<Heading> headings;
    const char* file;
    int textY, block, blocks, first;
    int maxSignWidth;  // the larger sign stays a companion, not a poster
};

// The larger sign keeps this clear of every text and of the view's edges.
constexpr int kSignGap = 14;
constexpr int kSignMargin = 10;

ViewBox lineBox(const ViewCanvas& c, int y, const std::string& text, int preset) {
    const platform::FontSpec font = presetFont(preset);
    const int w = platform::textWidth(font, text);
    return {c.centreLine() - w / 2, y, w, platform::lineHeight(font)};
}

// The largest box of the sign's shape inside the region, at most maxWidth
// wide, centred in it (horizontally on centreX when one is given).
ViewBox fitIn(int left, int top, int right, int bottom, double aspect, int maxWidth, std::optional<int> centreX) {
    int w = centreX ? 2 * std::min(*centreX - left, right - *centreX) : right - left;
    int h = bottom - top;
    w = std::min(w, maxWidth);
    if (w <= 0 || h <= 0) return {};
    if (w > h * aspect) w = static_cast<int>(std::floor(h * aspect));
    else h = static_cast<int>(std::floor(w / aspect));
    const int x = centreX ? *centreX - w / 2 : left + (right - left - w) / 2;
    return {x, top + (bottom - top - h) / 2, w, h};
}

// How far down and right the lines of every block of a page's file reach.
struct TextExtent {
    int bottom, right;
};

// Measured once for each reading of the file (the file cache keeps it while
// it is unchanged) and centre line: hundreds of lines, drawn a few at a time.
std::optional<TextExtent> blockExtent(const ViewCanvas& c, const Page& page) {
    // A missing file has been reported by the text it lacks.
    const std::shared_ptr<const TextFile> file = readTextFile(page.file);
    if (!file) return std::nullopt;
    struct Measured {
        std::shared_ptr<const TextFile> file;
        int centre, textY;
        TextExtent extent;
    };
    static std::vector<Measured> measured;
    for (const Measured& m : measured)
        if (m.file == file && m.centre == c.centreLine() && m.textY == page.textY) return m.extent;
    TextExtent e{page.textY, 0};
    const int lines = std::min<int>(page.block * page.blocks, static_cast<int>(file->lines.size()));
    for (int n = 0; n < lines; ++n) {
        const ViewBox b = lineBox(c, page.textY + kPageLinePitch * (n % page.block),
                                  platform::fromCp1251(file->lines[static_cast<std::size_t>(n)]), kPagePreset);
        if (b.empty()) continue;
        e.bottom = std::max(e.bottom, b.bottom());
        e.right = std::max(e.right, b.right());
    }
    // Three pages in two languages; an edited file starts the list again.
    if (measured.size() >= 6) measured.clear();
    measured.push_back({file, c.centreLine(), page.textY, e});
    return e;
}

// Where the larger sign goes: below every text the page can show in the
// text language (the blocks of all signs, so the sign keeps its place from
// day to day), centred on the centre line; or, when that leaves less room,
// right of them. Nullopt when neither room takes it larger than the picture.
std::optional<ViewBox> largerSignBox(const ViewCanvas& c, const Page& page, const ViewBox& picture) {
    const std::optional<double> aspect = scaledSignAspect(page.signCode);
    if (!aspect) return std::nullopt;
    int textBottom = picture.bottom(), textRight = picture.right();
    const auto take = [&](const ViewBox& b) {
        if (b.empty()) return;
        textBottom = std::max(textBottom, b.bottom());
        textRight = std::max(textRight, b.right());
    };
    for (const Heading& h : page.headings) take(lineBox(c, h.y, h.text, h.preset));
    const std::optional<TextExtent> block = blockExtent(c, page);
    if (!block) return std::nullopt;
    textBottom = std::max(textBottom, block->bottom);
    textRight = std::max(textRight, block->right);
    const int blockTop = page.textY, blockBottom = block->bottom;
    const int right = layout::kViewWidth - kSignMargin, bottom = layout::kViewHeight - kSignMargin;
    const ViewBox below = fitIn(kSignMargin, textBottom + kSignGap, right, bottom, *aspect, page.maxSignWidth,
                                c.centreLine());
    // Beside the texts: level with the middle of the explanation, below the picture.
    ViewBox beside = fitIn(textRight + kSignGap, picture.bottom() + kSignGap, right, bottom, *aspect,
                           page.maxSignWidth, std::nullopt);
    if (!beside.empty()) {
        const int middle = (blockTop + blockBottom) / 2;
        beside.top = std::clamp(middle - beside.height / 2, picture.bottom() + kSignGap, bottom - beside.height);
    }
    const auto area = [](const ViewBox& b) { return b.empty() ? 0 : b.width * b.height; };
    const ViewBox best = area(beside) > area(below) ? beside : below;
    if (best.width <= picture.width) return std::nullopt;
    return best;
}

void drawPage(ViewContext& v, const Page& page) {
    ViewCanvas& c = v.canvas;
    c.drawsign(0, page.signY, page.signCode, true, page.role);
    for (const Heading& h : page.headings) c.drawtxt(0, h.y, h.text, h.preset, true);
    dotext(c, 0, page.textY, page.file, true, kPagePreset, page.block, kPageLinePitch, page.first);
    if (!c.picture()) return;  // an export has no larger sign
    try {
        const layout::PicSize size = layout::signPictureSize(page.signCode);
        const ViewBox picture{layout::centredLeft(0, size.w, c.centreLine()), page.signY, size.w, size.h};
        if (const std::optional<ViewBox> box = largerSignBox(c, page, picture)) c.drawsignIn(*box, page.signCode);
    } catch (...) {
        reportFailure(106, "largesign in fullmode", {"sign:" + std::to_string(page.signCode)});
    }
}

}  // namespace

void tonePage(ViewContext& v, int) {
    const int tone = v.day.tone;
    drawPage(v, Page{kLargeTone + tone, 90, SignRole::Tone,
                     {{162, L(kMoonName + tone) + L(kMoonWordDash) + " " + L(kToneWord) + " " + L(kToneAction + tone), 4},
                      {140, L(kToneWord) + " " + L(kToneMeaning + tone), 2}},
                     kToneInfo, 196, kToneBlock, kTones, kToneBlock * (tone - 1), 2 * layout::kToneLarge.w});
}

void sealPage(ViewContext& v, int) {
    const int seal = v.day.sign;
    drawPage(v, Page{kLargeSeal + seal, 105, SignRole::Kin,
                     {{195, L(kSealWord) + " " + colourWord(v.relations) + " " + L(kSealGenitive + seal), 2}},
                     kSealInfo, 233, kSealBlock, kSeals, kSealBlock * (seal - 1), 2 * layout::kSealLarge.w});
}

void plasmaPage(ViewContext& v, int) {
    const int plasma = v.day.plasma;
    drawPage(v, Page{kLargePlasma + plasma, 105, SignRole::Plasm,
                     {{195, L(kPlasmaCaption) + " " + L(kPlasmaName + plasma), 2}}, kPlasmaInfo, 233, kPlasmaBlock,
                     kPlasmas, kPlasmaBlock * (plasma - 1), 2 * layout::kPlasmaLarge.w});
}

void oracle(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const KinRelations& r = v.relations;
    c.drawtxt(0, 85, L(kOracleTitle), 4, true);
    c.drawtxt(0, 111, L(kOracleSubtitle), 3, true);
    c.drawtxt(-80, 220, L(kAntipode), 3, true);
    c.drawtxt(85, 220, L(kAnalog), 3, true);
    c.drawtxt(0, 385, L(kOccult) + " " + L(kTeacher), 3, true);
    c.drawsign(0, 233, kLargeSeal + v.day.sign, true, SignRole::Kin);
    c.drawsign(0, 130, kSmallSeal + r.guide, true, SignRole::Guide);
    c.drawsign(0, 195, kLargeTone + v.day.tone, true, SignRole::Tone);
    c.drawsign(-82, 242, kSmallSeal + r.antipod, true, SignRole::Antipod);
    c.drawsign(82, 242, kSmallSeal + r.analog, true, SignRole::Analog);
    c.drawsign(0, 314, kSmallSeal + r.ateacher, true, SignRole::Ateacher);
}

}  // namespace kl::views
