// Painting the compact calendar face.
#include <QFontMetrics>
#include <QPainter>

#include "core/kin.h"
#include "core/moonage.h"
#include "core/moonmask.h"
#include "core/state.h"
#include "data/settings.h"
#include "data/textdb.h"
#include "imaging/blend.h"
#include "imaging/moonoutline.h"
#include "layout/baselines.h"
#include "layout/fontpresets.h"
#include "layout/signcodes.h"
#include "layout/viewgeometry.h"
#include "platform/pictureset.h"
#include "platform/system.h"
#include "layout/faceglyphs.h"
#include "ui/compact/tform1.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {

namespace {

namespace base = layout::base;
namespace mask = layout::casemask;

constexpr int kCentreLine = layout::kViewCentre;  // the face is centred like the views
constexpr int kSealLineWidth = layout::kSealLineSplit - 1;  // widest tone-and-seal line kept on one row
constexpr int kMoonLeft = 390;        // top-left corner of the day's moon
constexpr int kMoonTop = 216;
constexpr int kMoonSize = 60;
// The plasma's caption and name are centred on its sign's disc, 30 pixels
// right of the sign's left edge; the moon's captions on the moon.
constexpr int kPlasmaSignLeft = 150;
constexpr int kPlasmaCentre = kPlasmaSignLeft + 30 - kCentreLine;
constexpr int kMoonCentre = kMoonLeft + kMoonSize / 2 - kCentreLine;

// A view preset's font, for the face rows the six face fonts do not cover.
QFont presetQFont(int preset) {
    const platform::FontSpec f = presetFont(preset);
    QFont q(QString::fromStdString(f.face));
    q.setPixelSize(std::abs(f.pixelHeight));
    q.setBold(f.bold);
    return q;
}

// An error inside a protected routine that has already been reported.
struct Reported {};

}  // namespace

const QFont& TForm1::faceFont(int font) const {
    return faceLabels[std::clamp(font, 1, 6) - 1]->font();
}

void TForm1::drawFaceText(int x, int y, const std::string& text, bool centred, int font) {
    drawFaceText(x, y, text, centred, faceFont(font));
}

void TForm1::drawFaceText(int x, int y, const std::string& text, bool centred, const QFont& f) {
    QImage& image = Image1->picture.image();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(f);
    p.setPen(Qt::white);
    const QString s = QString::fromStdString(text);
    const QFontMetrics m(f);
    const int left = centred ? kCentreLine + x - m.horizontalAdvance(s) / 2 : x;
    p.drawText(left, y + m.ascent(), s);
}

void TForm1::DRAWSIGNP(int x, int y, int g, bool centred) {
    const layout::GlyphFiles files = layout::glyphFiles(g);
    const std::string& picture = files.picture;
    const std::string& mask = files.mask;
    int cx = x;
    try {
        if (picture.empty()) throw std::out_of_range("no glyph");
        const platform::Picture glyph = platform::Picture::load(picture);
        const platform::Picture opacity = platform::Picture::load(mask);
        if (centred) cx = kCentreLine + x - glyph.width() / 2;
        if (faceSet_ == 1) {
            blendbmp(glyph, Image1->picture, &opacity, cx, y, 255, kBlendMask);
        } else {
            // The glyph of the face's picture set, at the same place.
            const platform::Picture sharp = platform::loadInSet(picture, faceSet_);
            const platform::Picture sharpOpacity = platform::loadInSet(mask, faceSet_);
            blendbmp(sharp, Image1->picture, &sharpOpacity, cx * faceSet_, y * faceSet_, 255, kBlendMask);
        }
    } catch (...) {
        reportFailure(101, "DRAWSIGNP in kestral",
                      {"filename:" + picture, "X:" + std::to_string(x), "Y:" + std::to_string(y),
                       "CX:" + std::to_string(cx), "transpfile:" + mask, "ID" + std::to_string(g)});
        throw Reported{};
    }
}

void TForm1::paintMoon(std::int32_t moonPhase) {
    GreyCanvas grey;
    drawMoonMask(grey, moonPercent(moonPhase), settings()._Mlinear);
    platform::Picture canvas(kMoonMaskSize, kMoonMaskSize);
    for (int y = 0; y < kMoonMaskSize; ++y)
        for (int x = 0; x < kMoonMaskSize; ++x) canvas.setPixel(x, y, {grey.at(x, y), grey.at(x, y), grey.at(x, y)});
    blurrect(canvas, 1, 1, kMoonMaskSize - 1, kMoonMaskSize - 1);
    const int size = kMoonSize * faceSet_;
    const platform::Picture mask = platform::Picture::fromImage(
        canvas.image().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    platform::Picture sharpMoon;
    if (faceSet_ != 1) {
        try {
            sharpMoon = platform::loadInSet("graphic\\moon.bmp", faceSet_);
        } catch (const platform::PictureError&) {
            return;  // as a missing texture at 1x: no moon, no report
        }
    }
    const platform::Picture& texture = faceSet_ == 1 ? moon_ : sharpMoon;
    // The texture and the mask must match and fit the face; otherwise the
    // moon is left out without a report.
    if (texture.width() != mask.width() || texture.height() != mask.height()) return;
    blendbmp(texture, Image1->picture, &mask, kMoonLeft * faceSet_, kMoonTop * faceSet_, 255, kBlendMask);
    drawDarkMoonOutline(Image1->picture, mask, kMoonLeft * faceSet_, kMoonTop * faceSet_, faceSet_);
}

void TForm1::FILLPYR(const CalendarDay& day) {
    std::string colourWord, toneWord, drawing;
    try {
        const KinRelations r = computeKinRelations(day);
        // 1. The background, in the picture set of the window's screen: the
        // face picture has that set's pixels and is drawn in 1x coordinates.
        faceSet_ = platform::pictureSetFor(devicePixelRatioF());
        const QSize faceSize = QSize(600, 450) * faceSet_;
        if (Image1->picture.image().size() != faceSize) Image1->picture = platform::Picture(faceSize.width(), faceSize.height());
        Image1->picture.image().setDevicePixelRatio(faceSet_);
        {
            QPainter p(&Image1->picture.image());
            if (faceSet_ == 1) {
                p.drawImage(0, 0, frame_.image());
            } else if (frameName_.empty()) {
                p.drawImage(QRect(0, 0, 600, 450), frame_.image());
            } else {
                platform::Picture sharp = platform::loadInSet(frameName_, faceSet_);
                sharp.image().setDevicePixelRatio(faceSet_);
                p.drawImage(QPoint(0, 0), sharp.image());
            }
        }
        // 2. The word forms of the day's seal.
        colourWord = L(r.wordForm == 1 ? base::kColourWordFirst + r.colour : base::kColourWordSecond + r.colour);
        toneWord = L(r.wordForm == 1 ? base::kToneWordFirst + day.tone : base::kToneWordSecond + day.tone);
        const auto text = [&](int x, int y, const std::string& s, bool centred, int font) {
            drawing = s;
            drawFaceText(x, y, s, centred, font);
        };
        // 3. The 13-moon date, or the day out of time.
        if (day.month != 0) {
            text(0, 97, moonName(day.month), true, 2);
            text(0, 113, L(base::kToneCaption) + " " + L(base::kToneAction + day.month), true, 2);
            text(0, 128, L(base::kDayWord) + " " + std::to_string(day.monthDay), true, 3);
            DRAWSIGNP(kPlasmaSignLeft, 216, layout::code::kLargePlasma + day.plasma, false);
            text(kPlasmaCentre, 198, applyCaseMask(L(base::kPlasmaName + day.plasma), mask::kPlasmaName), true, 3);
            text(kPlasmaCentre, 186, applyCaseMask(L(base::kPlasmaCaption) + ":", mask::kPlasmaCaption), true, 3);
        } else {
            text(0, 117, L(base::kDayOutOfTime), true, 5);
        }
        // 4.-5. Tone glyph and colour line.
        DRAWSIGNP(227, 182, layout::code::kLargeTone + day.tone, false);
        text(0, 140, L(base::kKinCaption) + " " + colourWord, true, 2);
        // 6. The moon of the day.
        paintMoon(shownMoonPhase(settings()._Mmodel, currentDate, day.moonPhase));
        // 7. Tone and seal, on two rows when too wide for one.
        const std::string seal = L(base::kSealGenitive + day.sign);
        const std::string line = toneWord + " " + seal;
        if (QFontMetrics(faceFont(layout::kSealLinePreset)).horizontalAdvance(QString::fromStdString(line)) <= kSealLineWidth) {
            text(0, 155, line, true, 2);
        } else {
            text(0, 155, toneWord, true, 2);
            text(0, 167, seal, true, 2);
        }
        // 8.-11. Labels beside the glyphs; a long essence takes two rows.
        namespace es = layout::essence;
        const EssenceText essence =
            essenceText(L(base::kEssence), L(base::kSealEssence + day.sign), es::kFaceOneRow);
        text(es::kLeft, essence.rows.label, essence.label, false, 3);
        if (!essence.word.empty()) {
            drawing = essence.word;
            drawFaceText(es::kLeft, essence.rows.word, essence.word, false, presetQFont(essence.wordPreset));
        }
        text(es::kLeft, essence.rows.kin, applyCaseMask(L(base::kKinWord) + ": " + std::to_string(day.kin), mask::kNumberLabel),
             false, 3);
        text(es::kLeft, essence.rows.tone,
             applyCaseMask(L(base::kToneWord) + ": " + std::to_string(day.tone), mask::kNumberLabel), false, 3);
        text(kMoonCentre, 186, applyCaseMask(L(base::kMoonPhaseCaption), mask::kMoonPhaseCaption), true, 3);
        text(kMoonCentre, 198, applyCaseMask(L(base::kToday), mask::kToday), true, 3);
        // 12. Seal and guide glyphs.
        DRAWSIGNP(224, 220, layout::code::kLargeSeal + day.sign, false);
        DRAWSIGNP(308, 229, layout::code::kSmallSeal + r.guide, false);
        // 13. The affirmation.
        static constexpr std::array<int, 6> kRows{296, 311, 326, 340, 354, 368};
        const auto affirmation = loadaffirmation(day);
        for (std::size_t i = 0; i < 6; ++i)
            text(0, kRows[i], applyCaseMask(affirmation[i], mask::kFaceAffirmation[i]), true, 1);
        Image1->update();
    } catch (const Reported&) {
        // DRAWSIGNP has reported already.
    } catch (...) {
        reportFailure(103, "FILLPYR in kestral",
                      {"string0:" + colourWord, "string1:" + toneWord, "string2:" + drawing});
    }
}

void TForm1::PAINTALL(int state) {
    try {
        spin = 0;
        if (closed) return;
        switch (state) {
            case 0:
            case -101: FILLPYR(currentDay); break;
            case 1: case 2: case 12: case 22: case 32: {
                openFullScreen();
                moved = true;
                _newstate = state == 1 ? 4 : state == 2 ? 0 : state == 12 ? 1 : state == 22 ? 2 : 3;
                break;
            }
            default: break;
        }
    } catch (...) {
        reportFailure(102, "PAINTALL in kestral", {"state:" + std::to_string(state)});
    }
}

}  // namespace kl
