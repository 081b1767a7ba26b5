// The telektonon's pieces: where the turtles, the seal marker, the four
// stars and the five pyramid markers of a day stand, worked out from the
// day alone so the view and its tests share one answer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/kin.h"
#include "layout/telektonon.h"

namespace kl::views {

using layout::telektonon::Cell;
using layout::telektonon::Nudge;

// The pyramid cells of one day: the day's own seal (D) and the partner of
// each colour.
struct PyramidCells {
    Cell d, r, w, b, y;
};

// The cell of a seal on the pyramid columns. For a partner (`partner`
// true) the cell is also stored as the cell of the seal's colour (seal mod 4:
// 1 red, 2 white, 3 blue, 0 yellow); the day's own seal sets D only, so the
// guide, which shares its colour, keeps its marker. Returns the colour's
// letter ("R", "W", "B", "Y"), or "G" for a seal above 20.
std::string pyrpos(std::uint8_t seal, bool partner, PyramidCells& cells);

// The pixel nudge of turtle 0 (yellow), 1 (white) or 2 (green) on a day of
// the moon.
Nudge shifts(int turtle, int day, bool heavenWalk);

// The facing digit of a turtle on a day of the moon; other days keep
// `facing`.
char drwmode(int turtle, int day, char facing);

// The three turtles' cells on a day of the moon 1..28 (yellow, white, green);
// days before the first stand on the start cells.
std::array<Cell, 3> turtleCells(int day, bool heavenWalk);

// The sideways step (-15, 0 or +15 pixels) of piece 1..8 (turtles yellow,
// white, green; markers D, R, W, B, Y) when it shares a cell: turtles give
// way to the left, a marker meeting an earlier piece moves right, and one
// meeting a later marker moves left.
int moveifone(const std::array<Cell, 3>& turtles, const PyramidCells& cells, int piece);

// One piece to composite: its picture and mask files and its top-left pixel.
struct PiecePlacement {
    std::string picture, mask;
    int left = 0, top = 0;
    friend bool operator==(const PiecePlacement&, const PiecePlacement&) = default;
};

// The thirteen pieces of a day in drawing order: the seal marker, the seal,
// day, tone and moon stars, the white, yellow and green turtles, then the
// pyramid markers D, R, W, B, Y. Not for 25 July, which has no board.
std::vector<PiecePlacement> telektononPieces(const CalendarDay& day, const KinRelations& relations,
                                             bool heavenWalk);

}  // namespace kl::views
