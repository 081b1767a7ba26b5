#include "tools/picgen/buttonicons.h"

#include "tools/picgen/boardstyle.h"

#include <QFont>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace kl::picgen {
namespace {

using namespace style;

// Icons are drawn in unit coordinates (0..1 across the icon box).
struct Unit {
    QRectF box;
    QPointF at(double x, double y) const { return {box.left() + x * box.width(), box.top() + y * box.height()}; }
    double len(double v) const { return v * std::min(box.width(), box.height()); }
    QRectF rect(double x, double y, double w, double h) const {
        return {at(x, y), QSizeF(w * box.width(), h * box.height())};
    }
};

void pen(QPainter& p, const Unit& u, const QColor& ink, double width = 0.09) {
    QPen pn(ink, std::max(1.0, u.len(width)));
    pn.setCapStyle(Qt::RoundCap);
    pn.setJoinStyle(Qt::RoundJoin);
    p.setPen(pn);
    p.setBrush(Qt::NoBrush);
}

void dot(QPainter& p, const Unit& u, const QColor& ink, double x, double y, double r) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(u.at(x, y), u.len(r), u.len(r));
}

void page(QPainter& p, const Unit& u, const QColor& ink) {
    pen(p, u, ink, 0.07);
    p.drawRect(u.rect(0.18, 0.05, 0.64, 0.9));
}

void magnifier(QPainter& p, const Unit& u, const QColor& ink, bool plus) {
    pen(p, u, ink);
    p.drawEllipse(u.at(0.42, 0.42), u.len(0.3), u.len(0.3));
    p.drawLine(u.at(0.64, 0.64), u.at(0.95, 0.95));
    p.drawLine(u.at(0.28, 0.42), u.at(0.56, 0.42));
    if (plus) p.drawLine(u.at(0.42, 0.28), u.at(0.42, 0.56));
}

void printer(QPainter& p, const Unit& u, const QColor& ink) {
    pen(p, u, ink, 0.07);
    p.drawRect(u.rect(0.28, 0.05, 0.44, 0.3));
    p.drawRoundedRect(u.rect(0.05, 0.35, 0.9, 0.35), 2, 2);
    p.drawRect(u.rect(0.28, 0.6, 0.44, 0.35));
    dot(p, u, ink, 0.8, 0.48, 0.04);
}

void letter(QPainter& p, const Unit& u, const QColor& ink, const QString& text, double size = 0.9) {
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(std::max(6, int(u.len(size))));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(u.box, Qt::AlignCenter, text);
}

void drawIcon(Icon icon, QPainter& p, const QRectF& box, const QColor& ink) {
    const Unit u{box};
    switch (icon) {
    case Icon::FullScreen:  // four corners pointing outwards
        pen(p, u, ink, 0.14);
        for (auto [x, y, dx, dy] : {std::array{0., 0., 1., 1.}, {1., 0., -1., 1.}, {0., 1., 1., -1.}, {1., 1., -1., -1.}}) {
            p.drawLine(u.at(x, y), u.at(x + dx * 0.4, y));
            p.drawLine(u.at(x, y), u.at(x, y + dy * 0.4));
        }
        break;
    case Icon::Close:
        pen(p, u, ink, 0.16);
        p.drawLine(u.at(0.1, 0.1), u.at(0.9, 0.9));
        p.drawLine(u.at(0.9, 0.1), u.at(0.1, 0.9));
        break;
    case Icon::Day:  // the sun
        pen(p, u, ink, 0.08);
        p.drawEllipse(u.at(0.5, 0.5), u.len(0.2), u.len(0.2));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(u.at(0.5 + 0.3 * std::cos(a), 0.5 + 0.3 * std::sin(a)),
                       u.at(0.5 + 0.46 * std::cos(a), 0.5 + 0.46 * std::sin(a)));
        }
        break;
    case Icon::Tone:  // bar and dots, as a tone is written
        dot(p, u, ink, 0.3, 0.35, 0.09);
        dot(p, u, ink, 0.5, 0.35, 0.09);
        dot(p, u, ink, 0.7, 0.35, 0.09);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(u.rect(0.12, 0.58, 0.76, 0.16), 2, 2);
        break;
    case Icon::Seal:  // a rounded seal frame with a face
        pen(p, u, ink, 0.08);
        p.drawRoundedRect(u.rect(0.1, 0.1, 0.8, 0.8), u.len(0.2), u.len(0.2));
        dot(p, u, ink, 0.36, 0.42, 0.07);
        dot(p, u, ink, 0.64, 0.42, 0.07);
        p.drawArc(u.rect(0.3, 0.45, 0.4, 0.28), 200 * 16, 140 * 16);
        break;
    case Icon::Plasma:  // circle with a cross
        pen(p, u, ink, 0.08);
        p.drawEllipse(u.at(0.5, 0.5), u.len(0.42), u.len(0.42));
        p.drawLine(u.at(0.5, 0.18), u.at(0.5, 0.82));
        p.drawLine(u.at(0.18, 0.5), u.at(0.82, 0.5));
        break;
    case Icon::Oracle:  // five seals in a cross
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (auto [x, y] : {std::pair{0.5, 0.16}, {0.16, 0.5}, {0.5, 0.5}, {0.84, 0.5}, {0.5, 0.84}})
            p.drawRoundedRect(QRectF(u.at(x - 0.13, y - 0.13), QSizeF(u.len(0.26), u.len(0.26))), 1.5, 1.5);
        break;
    case Icon::MoonMonth: {  // crescent
        QPainterPath c;
        c.addEllipse(u.at(0.5, 0.5), u.len(0.42), u.len(0.42));
        QPainterPath cut;
        cut.addEllipse(u.at(0.68, 0.4), u.len(0.36), u.len(0.36));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(c.subtracted(cut));
        break;
    }
    case Icon::Tzolkin:  // the grid of the count
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 5; ++r) dot(p, u, (c + r) % 4 == 0 ? ink : ink.darker(160), 0.1 + 0.2 * c, 0.1 + 0.2 * r, 0.06);
        break;
    case Icon::Wavespell:
    case Icon::Pulsars: {
        QPainterPath w;
        w.moveTo(u.at(0.02, 0.5));
        for (int i = 1; i <= 40; ++i) {
            const double x = i / 40.0;
            w.lineTo(u.at(0.02 + 0.96 * x, 0.5 - 0.32 * std::sin(x * 2 * M_PI)));
        }
        pen(p, u, ink, 0.08);
        p.drawPath(w);
        if (icon == Icon::Pulsars) {
            pen(p, u, ink, 0.05);
            p.drawPolygon(QPolygonF({u.at(0.5, 0.08), u.at(0.9, 0.92), u.at(0.1, 0.92)}));
        }
        break;
    }
    case Icon::Year:  // thirteen moons round the year
        for (int i = 0; i < 13; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 13;
            dot(p, u, ink, 0.5 + 0.4 * std::cos(a), 0.5 + 0.4 * std::sin(a), i == 0 ? 0.085 : 0.06);
        }
        break;
    case Icon::Week:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = 0; i < 7; ++i) p.drawRect(u.rect(0.04 + i * 0.137, 0.2 + (i % 2) * 0.1, 0.08, 0.6));
        break;
    case Icon::Wings: {  // two wings of castles
        pen(p, u, ink, 0.07);
        p.drawPolygon(QPolygonF({u.at(0.48, 0.5), u.at(0.05, 0.12), u.at(0.12, 0.85)}));
        p.drawPolygon(QPolygonF({u.at(0.52, 0.5), u.at(0.95, 0.12), u.at(0.88, 0.85)}));
        dot(p, u, ink, 0.5, 0.5, 0.08);
        break;
    }
    case Icon::Telektonon:  // board with the turtles' square path
        pen(p, u, ink, 0.06);
        p.drawRect(u.rect(0.05, 0.05, 0.9, 0.9));
        p.drawRect(u.rect(0.28, 0.28, 0.44, 0.44));
        p.drawLine(u.at(0.05, 0.05), u.at(0.28, 0.28));
        p.drawLine(u.at(0.95, 0.95), u.at(0.72, 0.72));
        p.drawLine(u.at(0.95, 0.05), u.at(0.72, 0.28));
        p.drawLine(u.at(0.05, 0.95), u.at(0.28, 0.72));
        break;
    case Icon::Book:
        pen(p, u, ink, 0.07);
        p.drawLine(u.at(0.5, 0.2), u.at(0.5, 0.9));
        p.drawPolyline(QPolygonF({u.at(0.5, 0.2), u.at(0.05, 0.1), u.at(0.05, 0.8), u.at(0.5, 0.9),
                                  u.at(0.95, 0.8), u.at(0.95, 0.1), u.at(0.5, 0.2)}));
        break;
    case Icon::Printer: printer(p, u, ink); break;
    case Icon::Help: letter(p, u, ink, "?"); break;
    case Icon::FitPage:
        page(p, u, ink);
        pen(p, u, ink, 0.07);
        p.drawLine(u.at(0.5, 0.2), u.at(0.5, 0.8));
        p.drawLine(u.at(0.35, 0.35), u.at(0.5, 0.2));
        p.drawLine(u.at(0.65, 0.35), u.at(0.5, 0.2));
        p.drawLine(u.at(0.35, 0.65), u.at(0.5, 0.8));
        p.drawLine(u.at(0.65, 0.65), u.at(0.5, 0.8));
        break;
    case Icon::ZoomIn: magnifier(p, u, ink, true); break;
    case Icon::ZoomOut: magnifier(p, u, ink, false); break;
    case Icon::HalvePage:
        page(p, u, ink);
        letter(p, u, ink, "\u00bd", 0.5);
        break;
    case Icon::DoublePage:
        page(p, u, ink);
        letter(p, u, ink, "2\u00d7", 0.42);
        break;
    case Icon::BlackWhite: {
        pen(p, u, ink, 0.07);
        p.drawEllipse(u.at(0.5, 0.5), u.len(0.42), u.len(0.42));
        QPainterPath half;
        half.moveTo(u.at(0.5, 0.08));
        half.arcTo(QRectF(u.at(0.08, 0.08), QSizeF(u.len(0.84), u.len(0.84))), 90, 180);
        half.closeSubpath();
        p.setBrush(ink);
        p.drawPath(half);
        break;
    }
    case Icon::Smooth:
        for (int i = 0; i < 3; ++i) glow(p, u.at(0.25 + 0.25 * i, 0.5), u.len(0.28), ink, 0.9);
        break;
    case Icon::Setup: {  // a gear: toothed wheel with a hole
        QPainterPath gear;
        for (int i = 0; i < 16; ++i) {
            const double a0 = i * M_PI / 8, r = i % 2 ? 0.32 : 0.46;
            const QPointF v1 = u.at(0.5 + r * std::cos(a0 - 0.17), 0.5 + r * std::sin(a0 - 0.17));
            const QPointF v2 = u.at(0.5 + r * std::cos(a0 + 0.17), 0.5 + r * std::sin(a0 + 0.17));
            if (i == 0) gear.moveTo(v1); else gear.lineTo(v1);
            gear.lineTo(v2);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(u.at(0.5, 0.5), u.len(0.13), u.len(0.13));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(gear.subtracted(hole));
        break;
    }
    case Icon::ActualSize: letter(p, u, ink, "1:1", 0.45); break;
    case Icon::Repaint:
        pen(p, u, ink, 0.09);
        p.drawArc(u.rect(0.12, 0.12, 0.76, 0.76), 30 * 16, 300 * 16);
        p.drawLine(u.at(0.83, 0.3), u.at(0.83, 0.08));
        p.drawLine(u.at(0.83, 0.3), u.at(0.62, 0.3));
        break;
    case Icon::Open:
        pen(p, u, ink, 0.07);
        p.drawPolygon(QPolygonF({u.at(0.05, 0.25), u.at(0.38, 0.25), u.at(0.48, 0.35), u.at(0.95, 0.35),
                                 u.at(0.95, 0.85), u.at(0.05, 0.85)}));
        break;
    case Icon::Save:
        pen(p, u, ink, 0.07);
        p.drawRect(u.rect(0.08, 0.08, 0.84, 0.84));
        p.drawRect(u.rect(0.28, 0.08, 0.44, 0.28));
        p.drawRect(u.rect(0.22, 0.55, 0.56, 0.37));
        break;
    case Icon::NewText: letter(p, u, ink, "T"); break;
    case Icon::NewFont: letter(p, u, ink, "Aa", 0.6); break;
    case Icon::NewImage:
        pen(p, u, ink, 0.07);
        p.drawRect(u.rect(0.05, 0.15, 0.9, 0.7));
        p.drawPolyline(QPolygonF({u.at(0.1, 0.8), u.at(0.38, 0.45), u.at(0.58, 0.65), u.at(0.72, 0.5), u.at(0.9, 0.8)}));
        dot(p, u, ink, 0.72, 0.3, 0.06);
        break;
    case Icon::NewMoon: drawIcon(Icon::MoonMonth, p, box, ink); break;
    case Icon::Add: letter(p, u, ink, "+"); break;
    case Icon::CreativeMode:
        pen(p, u, ink, 0.1);
        p.drawLine(u.at(0.15, 0.85), u.at(0.8, 0.2));
        dot(p, u, ink, 0.85, 0.15, 0.08);
        break;
    case Icon::EasyMode:
        pen(p, u, ink, 0.07);
        for (int i = 0; i < 3; ++i) p.drawRect(u.rect(0.2, 0.08 + i * 0.3, 0.6, 0.22));
        break;
    case Icon::YearCalendar:  // a wall calendar: its two rings, a header and a grid of days
        pen(p, u, ink, 0.07);
        p.drawRect(u.rect(0.1, 0.2, 0.8, 0.75));
        p.drawLine(u.at(0.1, 0.36), u.at(0.9, 0.36));
        for (const double x : {0.32, 0.68}) p.drawLine(u.at(x, 0.06), u.at(x, 0.28));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) dot(p, u, ink, 0.24 + 0.175 * c, 0.5 + 0.17 * r, 0.045);
        break;
    }
}

}  // namespace

IconPainter iconPainter(Icon icon) {
    return [icon](QPainter& p, const QRectF& box, const QColor& ink) { drawIcon(icon, p, box, ink); };
}

QImage applicationIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    smooth(p);
    const double s = size;
    QRadialGradient bg(QPointF(s * 0.5, s * 0.42), s * 0.55);
    bg.setColorAt(0, QColor(48, 30, 120));
    bg.setColorAt(1, kNight);
    p.setPen(QPen(kGold, s * 0.03));
    p.setBrush(bg);
    p.drawEllipse(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94));
    stars(p, QRectF(s * 0.12, s * 0.1, s * 0.76, s * 0.5), 24, 0x1c0, nullptr);
    glow(p, QPointF(s * 0.5, s * 0.36), s * 0.3, kGold, 0.35);
    QPolygonF pyramid({QPointF(s * 0.5, s * 0.2), QPointF(s * 0.8, s * 0.74), QPointF(s * 0.2, s * 0.74)});
    p.setPen(QPen(kGold, s * 0.025));
    p.setBrush(QColor(70, 50, 130));
    p.drawPolygon(pyramid);
    for (double y : {0.38, 0.56}) {
        const double half = (y - 0.2) * 0.3 / 0.54;
        p.drawLine(QPointF(s * (0.5 - half), s * y), QPointF(s * (0.5 + half), s * y));
    }
    return img;
}

}  // namespace kl::picgen
