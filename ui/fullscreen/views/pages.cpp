// The tone, seal and plasma pages (modes 1..3) and the oracle (mode 4).
#include "data/textdb.h"
#include "layout/baselines.h"
#include "layout/signcodes.h"
#include "ui/fullscreen/views/daytools.h"
#include "ui/fullscreen/views/views.h"

namespace kl::views {

namespace {

using namespace layout::base;
using namespace layout::code;

// The explanation texts: a block of lines per tone, seal or plasma.
constexpr const char* kToneInfo = "TONEINFO.drs";
constexpr const char* kSealInfo = "DAYINFO.drs";
constexpr const char* kPlasmaInfo = "PLASMINFO.drs";
constexpr int kToneBlock = 17, kSealBlock = 17, kPlasmaBlock = 5;
constexpr int kPageLinePitch = 17;
constexpr int kPagePreset = 5;

}  // namespace

void tonePage(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const int tone = v.day.tone;
    c.drawsign(0, 90, kLargeTone + tone, true, SignRole::Tone);
    c.drawtxt(0, 162, L(kMoonName + tone) + L(kMoonWordDash) + " " + L(kToneWord) + " " + L(kToneAction + tone), 4,
              true);
    c.drawtxt(0, 140, L(kToneWord) + " " + L(kToneMeaning + tone), 2, true);
    dotext(c, 0, 196, kToneInfo, true, kPagePreset, kToneBlock, kPageLinePitch, kToneBlock * (tone - 1));
}

void sealPage(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const int seal = v.day.sign;
    c.drawsign(0, 105, kLargeSeal + seal, true, SignRole::Kin);
    c.drawtxt(0, 195, L(kSealWord) + " " + colourWord(v.relations) + " " + L(kSealGenitive + seal), 2, true);
    dotext(c, 0, 233, kSealInfo, true, kPagePreset, kSealBlock, kPageLinePitch, kSealBlock * (seal - 1));
}

void plasmaPage(ViewContext& v, int) {
    ViewCanvas& c = v.canvas;
    const int plasma = v.day.plasma;
    c.drawsign(0, 105, kLargePlasma + plasma, true, SignRole::Plasm);
    c.drawtxt(0, 195, L(kPlasmaCaption) + " " + L(kPlasmaName + plasma), 2, true);
    dotext(c, 0, 233, kPlasmaInfo, true, kPagePreset, kPlasmaBlock, kPageLinePitch, kPlasmaBlock * (plasma - 1));
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
