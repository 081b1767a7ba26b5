// Pieces and their masks, shared with the review overlays.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace kl::picgen {

struct Piece {
    QImage picture;
    QImage mask;
};

Piece shinePiece(QSize size, QSize cell, const QColor& colour, double band = 0);
Piece pulseStamp(const QColor& colour);
QImage turtlePicture(int facing, const QColor& shell);
QImage turtleMask(int facing);
QImage pyramidPicture(const QColor& colour);
QImage pyramidMask();
QImage cellMarkerPicture();
QImage cellMarkerMask();
QImage starPicture(const QColor& colour);
QImage starMask();

// Lays `piece` over `target` at (left, top) through its grey mask, as the
// views' mask blend does (for review pictures).
void blendPiece(QImage& target, const Piece& piece, int left, int top);

}  // namespace kl::picgen
