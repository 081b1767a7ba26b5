// Four-state button strips: normal, disabled, pressed and hover pictures of
// equal size side by side, as the image button expects them.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

namespace kl::picgen {

enum class ButtonState { Normal, Disabled, Pressed, Hover };

// Draws the icon of one state into `box`; `ink` is the state's icon colour.
using IconPainter = std::function<void(QPainter&, const QRectF& box, const QColor& ink)>;

// A strip of four states of width x height each. `background`, when given, is
// the picture the button sits on (each state starts from it), so a button on
// a shaped face blends into the face.
QImage buttonStrip(int width, int height, const IconPainter& icon, const QImage* background = nullptr,
                   double plateRadius = 4);

// One resource written by the button family, with its path in the program's
// resources (":/" + alias).
struct ResourceEntry {
    QString file;   // relative to the resources directory
    QString alias;  // e.g. "buttons/myButton1.bmp"
};

// Writes the collection file that lists `entries` for the resource compiler.
void writeResourceCollection(const QString& dir, const QString& name, const std::vector<ResourceEntry>& entries);

}  // namespace kl::picgen
