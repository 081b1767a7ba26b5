// The telektonon (mode 13): a game board on which the day is shown by
// pieces. Three turtles walk the board's paths through the 28 days of the
// moon; a gold frame marks the day's seal in the block of twenty; four stars
// on two dials show the seal, the day of the moon, the tone and the moon;
// five pyramids mark the day's seal and its four oracle partners on the two
// columns of ten. The board with its captions is built once and kept; the
// pieces are laid on anew at every paint. 25 July has a small page of its own.
#include "ui/fullscreen/views/telektonon.h"

#include <cmath>
#include <cstring>

#include "data/errorlog.h"
#include "data/textdb.h"
#include "imaging/blend.h"
#include "layout/baselines.h"
#include "layout/signcodes.h"
#include "platform/system.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/views/views.h"
#include "ui/fullscreen/viewset.h"
#include "ui/fullscreen/workpictures.h"

namespace kl::views {

namespace {

namespace tk = layout::telektonon;

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// A board pixel: the cell's edge plus a nudge, rounded as a whole.
int boardPixel(int cell, int nudge) { return roundEven(cell * tk::kCellPitch + nudge + tk::kCellOrigin); }

void apply(const tk::Step& step, Cell& cell) {
    switch (step.kind) {
        case tk::Step::Stay: break;
        case tk::Step::Right: ++cell.column; break;
        case tk::Step::Left: --cell.column; break;
        case tk::Step::Up: --cell.row; break;
        case tk::Step::Down: ++cell.row; break;
        case tk::Step::Jump: cell = step.to; break;
    }
}

// A point on a dial `radius` from its origin at `degrees` counter-clockwise.
struct Offset {
    int dx, dy;
};
Offset onDial(double degrees, int radius) {
    const double a = -degrees * 3.14159265358979323846 / 180;
    return {roundEven(std::cos(a) * radius), roundEven(std::sin(a) * radius)};
}

// The tone or moon star's place on the inner ring: 1..10 round the ring,
// 11, 12, 13 down the dial's vertical.
Offset innerStar(int n, int base) {
    if (n >= tk::kInnerColumnFrom) return {0, (n - 12) * tk::kInnerColumnStep};
    return onDial(36 * n + base, tk::kInnerRadius);
}

std::string turtlePicture(int turtle, char facing) {
    return std::string(tk::kTurtlePrefix) + tk::kTurtleLetter[static_cast<std::size_t>(turtle)] + facing + ".bmp";
}
std::string turtleMask(char facing) { return std::string(tk::kTurtleMaskPrefix) + facing + ".bmp"; }

// The small page of the day out of time.
void dayOutOfTime(ViewContext& v) {
    ViewCanvas& c = v.canvas;
    c.drawsign(tk::kDootDot.x, tk::kDootDot.y, layout::code::kDootDot, true);
    c.drawsign(tk::kDootSeal.x, tk::kDootSeal.y, layout::code::kSeal35 + v.day.sign, true);
    c.drawsign(tk::kDootTone.x, tk::kDootTone.y, layout::code::kTone35 + v.day.tone, true);
    c.drawtxt(tk::kDootText1.x, tk::kDootText1.y, L(layout::base::kDootDay), tk::kDootPreset, true);
    c.drawtxt(tk::kDootText2.x, tk::kDootText2.y, L(layout::base::kDootOutOfTime), tk::kDootPreset, true);
}

void caption(ViewCanvas& c, const tk::Caption& item) {
    std::string text = L(item.line);
    if (item.pattern) text = applyCaseMask(text, layout::russianCase(item.pattern));
    switch (item.form) {
        case tk::Form::Text:
            if (item.rightAligned) {
                struct Clear {
                    ~Clear() { rightallign = false; }
                } clear;
                rightallign = true;
                c.drawtxt(item.x, item.y, text, item.preset, false);
            } else {
                c.drawtxt(item.x, item.y, text, item.preset, item.centred);
            }
            break;
        case tk::Form::Straight:
            c.drawtxt2(item.x, item.y, text, item.preset, 0, 0, -1, item.rainbow, item.centred, false);
            break;
        case tk::Form::Upright:
            c.drawtxt2(item.x, item.y, text, item.preset, 0, 0, -2, item.rainbow, false, item.centred);
            break;
        case tk::Form::Arc:
            c.drawtxt2(item.x, item.y, text, item.preset, item.startAngle, item.endAngle, item.radius, item.rainbow,
                       false, false);
            break;
    }
}

// The board picture with its captions.
void buildBoard(ViewCanvas& c) {
    c.drawsign(0, 0, layout::code::kTelektononBoard, false);
    for (const tk::Caption& item : tk::kCaptions) caption(c, item);
}

// Puts the kept board into the view, or builds it. The board is kept only
// when it was drawn into the view picture (an export writes its lines every
// time and keeps nothing) and nothing in it failed: a failing text or sign
// reports and carries on, leaving a board with a gap, and the next paint
// then tries again rather than keep a broken board.
void board(ViewCanvas& c) {
    platform::Picture& kept = boardPicture();
    platform::Picture* view = c.picture();
    if (view && _teldrawed && kept.width() == view->width() && kept.height() == view->height()) {
        const std::size_t bytes = static_cast<std::size_t>(view->width()) * 3;
        for (int y = 0; y < view->height(); ++y) std::memcpy(view->row(y), kept.row(y), bytes);
        return;
    }
    const long failuresBefore = platform::messagesShown();
    buildBoard(c);
    if (view && platform::messagesShown() == failuresBefore) {
        kept = view->copy();  // the view's own pixels stay unshared for the pieces
        _teldrawed = true;
    }
}

}  // namespace

std::string pyrpos(std::uint8_t seal, bool partner, PyramidCells& cells) {
    const Cell cell = tk::pyramidCell(seal);
    if (!partner) cells.d = cell;
    if (seal > 20) return "G";
    Cell* colour = nullptr;
    std::string name;
    switch (seal % 4) {
        case 1: colour = &cells.r, name = "R"; break;
        case 2: colour = &cells.w, name = "W"; break;
        case 3: colour = &cells.b, name = "B"; break;
        default: colour = &cells.y, name = "Y"; break;
    }
    if (partner) *colour = cell;
    return name;
}

Nudge shifts(int turtle, int day, bool heavenWalk) {
    if (turtle < 0 || turtle > 2) return {};
    const auto t = static_cast<std::size_t>(turtle);
    if (day == tk::kMeetingDay) return tk::kMeetingNudge[t];
    if (day >= tk::kHeavenWalkFrom && day <= 28) {
        if (turtle == tk::kGreen && heavenWalk) return {};
        return tk::kLateNudge[t];
    }
    if (turtle == tk::kGreen && day >= 1 && day <= 6) return tk::kGreenHomeNudge;
    return {};
}

char drwmode(int turtle, int day, char facing) {
    if (turtle < 0 || turtle > 2 || day < 1 || day > 28) return facing;
    return tk::kFacing[static_cast<std::size_t>(turtle)][day - 1];
}

std::array<Cell, 3> turtleCells(int day, bool heavenWalk) {
    std::array<Cell, 3> cells = tk::kTurtleStart;
    for (int k = 1; k <= day && k <= 28; ++k) {
        const tk::DaySteps& steps = tk::kWalk[static_cast<std::size_t>(k - 1)];
        apply(steps.yellow, cells[tk::kYellow]);
        apply(steps.white, cells[tk::kWhite]);
        apply(k >= tk::kHeavenWalkFrom && !heavenWalk ? tk::kGreenHome : steps.green, cells[tk::kGreen]);
    }
    return cells;
}

int moveifone(const std::array<Cell, 3>& turtles, const PyramidCells& p, int piece) {
    const Cell tY = turtles[tk::kYellow], tW = turtles[tk::kWhite], tG = turtles[tk::kGreen];
    const auto any = [](Cell c, std::initializer_list<Cell> others) {
        for (Cell o : others)
            if (c == o) return true;
        return false;
    };
    int dx = 0;
    switch (piece) {
        case 1:
        case 2:
        case 3: {
            const Cell t = piece == 1 ? tY : piece == 2 ? tW : tG;
            if (any(t, {p.d, p.r, p.w, p.b, p.y})) dx = -tk::kSpread;
            break;
        }
        case 4:
            if (any(p.d, {tW, tG, tY})) dx = tk::kSpread;
            if (any(p.d, {p.r, p.w, p.b, p.y})) dx = -tk::kSpread;
            break;
        case 5:
            if (any(p.r, {tW, tG, p.d, tY})) dx = tk::kSpread;
            if (any(p.r, {p.w, p.b, p.y})) dx = -tk::kSpread;
            break;
        case 6:
            if (any(p.w, {tW, tG, p.d, p.r, tY})) dx = tk::kSpread;
            if (any(p.w, {p.b, p.y})) dx = -tk::kSpread;
            break;
        case 7:
            if (any(p.b, {tW, tG, p.d, p.r, p.w, tY})) dx = tk::kSpread;
            if (p.b == p.y) dx = -tk::kSpread;
            break;
        case 8:
            if (any(p.y, {tW, tG, p.d, p.r, p.w, p.b, tY})) dx = tk::kSpread;
            break;
        default: break;
    }
    return dx;
}

std::vector<PiecePlacement> telektononPieces(const CalendarDay& day, const KinRelations& relations,
                                             bool heavenWalk) {
    const int s = day.sign, t = day.tone, d = day.monthDay, m = day.month;
    std::vector<PiecePlacement> pieces;

    const Cell seal = tk::sealBlockCell(s);
    pieces.push_back({tk::kSealMarker, tk::kSealMarkerMask, boardPixel(seal.column, 0), boardPixel(seal.row, 0)});

    const Offset sealStar = onDial(tk::sealStarAngle(s), tk::kOuterRadius);
    pieces.push_back({tk::kSealStar, tk::kStarMask, sealStar.dx + tk::kDialX, sealStar.dy + tk::kSealDialY});
    const Offset dayStar = onDial(roundEven(d * tk::kDayStarStep + tk::kDayStarBase), tk::kOuterRadius);
    pieces.push_back({tk::kSealStar, tk::kStarMask, dayStar.dx + tk::kDialX, dayStar.dy + tk::kMoonDialY});
    const Offset toneStar = innerStar(t, tk::kToneStarBase);
    pieces.push_back({tk::kToneStar, tk::kStarMask, tk::kDialX + toneStar.dx, tk::kSealDialY + toneStar.dy});
    const Offset moonStar = innerStar(m, tk::kMoonStarBase);
    pieces.push_back({tk::kToneStar, tk::kStarMask, tk::kDialX + moonStar.dx, tk::kMoonDialY + moonStar.dy});

    PyramidCells cells;
    for (std::uint8_t partner : {relations.guide, relations.ateacher, relations.analog, relations.antipod})
        pyrpos(partner, true, cells);
    pyrpos(static_cast<std::uint8_t>(s), false, cells);

    const std::array<Cell, 3> turtles = turtleCells(d, heavenWalk);
    int dx = 0;  // on the meeting day the turtles keep their own nudges only
    char facing = '0';
    for (int turtle : {tk::kWhite, tk::kYellow, tk::kGreen}) {
        const Nudge nudge = shifts(turtle, d, heavenWalk);
        if (d != tk::kMeetingDay) dx = moveifone(turtles, cells, turtle == tk::kYellow ? 1 : turtle == tk::kWhite ? 2 : 3);
        facing = drwmode(turtle, d, facing);
        const Cell at = turtles[static_cast<std::size_t>(turtle)];
        pieces.push_back({turtlePicture(turtle, facing), turtleMask(facing), boardPixel(at.column, nudge.dx + dx),
                          boardPixel(at.row, nudge.dy + tk::kTurtleDrop[static_cast<std::size_t>(turtle)])});
    }

    const std::array<Cell, 5> markers{cells.d, cells.r, cells.w, cells.b, cells.y};
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const int step = moveifone(turtles, cells, static_cast<int>(i) + 4);
        pieces.push_back({tk::kPyramids[i], tk::kPyramidMask, boardPixel(markers[i].column, step),
                          boardPixel(markers[i].row, 0)});
    }
    return pieces;
}

void telektonon(ViewContext& v, int) {
    try {
        ViewCanvas& c = v.canvas;
        if (v.date.day == 25 && v.date.month == 7) {
            dayOutOfTime(v);
            return;
        }
        board(c);
        platform::Picture* view = c.picture();
        if (!view) return;  // the pieces have no script form
        const CalendarDay day = computeCalendarDay(v.date);
        const std::vector<PiecePlacement> pieces =
            telektononPieces(day, computeKinRelations(day), v.settings._Turtles);
        // The pieces go through the view's two work pictures; a file already
        // in one is not read again within this paint.
        platform::Picture& sprite = telektononPicture1();
        platform::Picture& mask = telektononPicture2();
        std::string spriteName, maskName;
        for (const PiecePlacement& piece : pieces) {
            if (piece.picture != spriteName) {
                spriteName.clear();
                sprite = loadForView(*view, piece.picture);
                spriteName = piece.picture;
            }
            if (piece.mask != maskName) {
                maskName.clear();
                mask = loadForView(*view, piece.mask);
                maskName = piece.mask;
            }
            // A piece that does not fit inside the view is left out.
            blendIntoView(sprite, *view, &mask, piece.left, piece.top, tk::kPieceAlpha, kBlendMask);
        }
    } catch (...) {
        reportFailure(106, "telectonon in fullmode");
    }
}

}  // namespace kl::views
