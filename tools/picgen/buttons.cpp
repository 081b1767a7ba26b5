// Button strips of the three windows and the application icon. They are
// compiled into the program as resources, so the family also writes the
// collection file that lists them.
#include "tools/picgen/buttons.h"

#include "tools/picgen/boardstyle.h"
#include "tools/picgen/buttonicons.h"
#include "tools/picgen/face.h"
#include "tools/picgen/picgen.h"

#include <QDir>
#include <QFont>
#include <QFile>
#include <QLinearGradient>
#include <QTextStream>

#include <stdexcept>

namespace kl::picgen {
namespace {

using namespace style;

QColor inkOf(ButtonState s) {
    switch (s) {
    case ButtonState::Normal: return QColor(214, 182, 104);
    case ButtonState::Disabled: return QColor(84, 78, 116);
    case ButtonState::Pressed: return QColor(255, 236, 170);
    case ButtonState::Hover: return QColor(255, 246, 210);
    }
    return kGold;
}

}  // namespace

QImage buttonStrip(int width, int height, const IconPainter& icon, const QImage* background, double plateRadius) {
    QImage strip = canvas(width * 4, height, kNight);
    QPainter p(&strip);
    smooth(p);
    const ButtonState states[] = {ButtonState::Normal, ButtonState::Disabled, ButtonState::Pressed,
                                  ButtonState::Hover};
    for (int i = 0; i < 4; ++i) {
        const ButtonState s = states[i];
        const QRectF cell(i * width, 0, width, height);
        p.save();
        p.setClipRect(cell);
        if (background) p.drawImage(cell.topLeft(), *background);
        // The plate: raised for normal and hover, sunk for pressed, flat and
        // dark when disabled.
        const QRectF plate = cell.adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient g(plate.topLeft(), plate.bottomLeft());
        switch (s) {
        case ButtonState::Normal:
            g.setColorAt(0, QColor(40, 28, 104));
            g.setColorAt(1, QColor(16, 8, 58));
            p.setPen(QPen(kGoldDim, 1));
            break;
        case ButtonState::Disabled:
            g.setColorAt(0, QColor(20, 14, 46));
            g.setColorAt(1, QColor(12, 6, 34));
            p.setPen(QPen(QColor(50, 44, 80), 1));
            break;
        case ButtonState::Pressed:
            g.setColorAt(0, QColor(8, 2, 30));
            g.setColorAt(1, QColor(34, 22, 90));
            p.setPen(QPen(kGold, 1));
            break;
        case ButtonState::Hover:
            g.setColorAt(0, QColor(64, 46, 150));
            g.setColorAt(1, QColor(26, 14, 82));
            p.setPen(QPen(kCyan, 1));
            break;
        }
        p.setBrush(g);
        p.drawRoundedRect(plate, plateRadius, plateRadius);
        if (s == ButtonState::Hover) glow(p, plate.center(), plate.width() * 0.55, kGold, 0.25);
        icon(p, plate.adjusted(plate.width() * 0.18, plate.height() * 0.18, -plate.width() * 0.18,
                               -plate.height() * 0.18),
             inkOf(s));
        p.restore();
    }
    return strip;
}

void writeResourceCollection(const QString& dir, const QString& name, const std::vector<ResourceEntry>& entries) {
    QDir().mkpath(dir);
    QByteArray text;
    text += "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const ResourceEntry& e : entries)
        text += "  <file alias=\"" + e.alias.toUtf8() + "\">" + e.file.toUtf8() + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    // Rewrite only on change, so an unchanged collection does not make the
    // resource compiler and the link run again.
    const QString path = dir + "/" + name;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == text) return;
    old.close();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

namespace {

// The compact window's two buttons sit on the face's cap at these places.
const QRect kCompactOpenButton(264, 75, 15, 17);
const QRect kCompactCloseButton(320, 75, 15, 17);

// Full-screen buttons: 33 x 33 on the window, pictures of 40 x 40 per state.
constexpr int kFullScreenState = 40;
// Print manager picture buttons.
constexpr int kPrintState = 32;

struct NamedButton {
    const char* control;
    Icon icon;
};

// The seventeen buttons of the full-screen window, by control name, with
// the mode each selects drawn as its icon.
constexpr NamedButton kFullScreenButtons[] = {
    {"myButton9", Icon::Day},        {"myButton2", Icon::Tone},       {"myButton3", Icon::Seal},
    {"myButton4", Icon::Plasma},     {"myButton5", Icon::Oracle},     {"myButton1", Icon::MoonMonth},
    {"myButton6", Icon::Tzolkin},    {"myButton7", Icon::Wavespell},  {"myButton8", Icon::Pulsars},
    {"Button1", Icon::Year},         {"Button2", Icon::Week},         {"Button3", Icon::Wings},
    {"Button4", Icon::Telektonon},   {"myButton10", Icon::Book},      {"Button5", Icon::Printer},
    {"SpeedButton1", Icon::Help},     {"configs", Icon::Setup},
};

// The print manager's picture buttons: the export buttons of both panels
// carry the icon of the view they export; the bar's tools their own.
constexpr NamedButton kPrintButtons[] = {
    {"myButton9", Icon::Day},          {"myButton7", Icon::Day},
    {"myButton10", Icon::Tone},        {"myButton8", Icon::Tone},
    {"myButton11", Icon::Seal},        {"myButton16", Icon::Seal},
    {"myButton12", Icon::Plasma},      {"myButton17", Icon::Plasma},
    {"myButton13", Icon::Oracle},      {"myButton18", Icon::Oracle},
    {"myButton14", Icon::Wavespell},   {"myButton19", Icon::Wavespell},
    {"myButton15", Icon::MoonMonth},   {"myButton20", Icon::MoonMonth},
    {"myButton6", Icon::Year},         {"myButton21", Icon::Year},
    {"myButton26", Icon::Book},        {"myButton27", Icon::Book},
    {"myButton25", Icon::FitPage},     {"mb11", Icon::ZoomOut},
    {"myButton3", Icon::ZoomIn},       {"myButton5", Icon::HalvePage},
    {"myButton1", Icon::DoublePage},   {"myButton28", Icon::BlackWhite},
    {"printbtn", Icon::Printer},       {"smb", Icon::Smooth},
    {"myButton2", Icon::Setup},        {"myButton4", Icon::ActualSize},
    {"myButton24", Icon::Repaint},     {"mb1", Icon::Open},
    {"mb2", Icon::Save},               {"mb3", Icon::Repaint},
    {"mb4", Icon::NewText},            {"mb6", Icon::NewFont},
    {"mb8", Icon::NewImage},           {"mb9", Icon::NewMoon},
    {"mb7", Icon::Add},                {"myButton22", Icon::CreativeMode},
    {"myButton23", Icon::EasyMode},
    {"yearCalendarCreative", Icon::YearCalendar}, {"yearCalendarEasy", Icon::YearCalendar},
};

// A full-screen button's strip: the button is 33 x 33 and its plate fills
// the middle of each 40 x 40 state, so that the icon is whole however the
// picture is placed. Drawn at the scale in force.
QImage fullScreenStrip(Icon icon) {
    const int px = drawScale();  // pixels of the strip per unit
    QImage strip = canvas(kFullScreenState * 4, kFullScreenState, kNight);
    const QImage inner = buttonStrip(33, 33, iconPainter(icon), nullptr, 5);
    QPainter p(&strip);
    for (int i = 0; i < 4; ++i)
        p.drawImage(QPoint(i * kFullScreenState + 3, 3), inner.copy(i * 33 * px, 0, 33 * px, 33 * px));
    p.end();
    return strip;
}

// Draws at 2x while it lives; the scale in force before comes back after.
struct DrawScaleTwice {
    DrawScaleTwice() : before(drawScale()) { setDrawScale(2); }
    ~DrawScaleTwice() { setDrawScale(before); }
    int before;
};

// A review page of every strip, enlarged, with its resource path.
void writeButtonSheet(const Output& out, const std::vector<std::pair<QString, QImage>>& strips) {
    constexpr int kScale = 2, kColumnWidth = 380;
    QImage sheet = canvas(2 * kColumnWidth, 20 + int(strips.size() + 1) / 2 * (40 * kScale + 18), kNight);
    QPainter p(&sheet);
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);
    for (size_t i = 0; i < strips.size(); ++i) {
        const int x = 10 + int(i % 2) * kColumnWidth, y = 10 + int(i / 2) * (40 * kScale + 18);
        const QImage& img = strips[i].second;
        const int scale = img.height() < 20 ? 4 : kScale;
        p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
        p.setPen(QColor(200, 200, 230));
        p.drawText(x, y + img.height() * scale + 12, ":/" + strips[i].first);
    }
    p.end();
    QDir().mkpath(out.review);
    if (!sheet.save(out.review + "/sheet_buttons.png", "PNG")) throw std::runtime_error("cannot write sheet_buttons.png");
}

void generateButtons(const Output& out) {
    std::vector<ResourceEntry> entries;
    std::vector<std::pair<QString, QImage>> sheet;
    // Every strip is drawn twice: at 1x as a bitmap ("buttons/print/mb1.bmp"),
    // and at 2x, for screens of twice the pixels, as a PNG of twice the size
    // under "2x/" ("buttons/2x/print/mb1.png"), which a window shows in the
    // 1x strip's room.
    auto put = [&](const std::function<QImage()>& draw, const QString& folder, const QString& control,
                   const QString& alias) {
        const QImage strip = draw();
        writeBitmap(strip, out.resources + "/" + folder, control + ".bmp");
        entries.push_back({folder + "/" + control + ".bmp", alias});
        sheet.push_back({alias, strip});
        const DrawScaleTwice twice;
        writeBitmap(draw(), out.resources + "/2x/" + folder, control + ".bmp");
        const QString png = alias.mid(alias.indexOf('/') + 1).chopped(4) + ".png";
        entries.push_back({"2x/" + folder + "/" + control + ".png", "buttons/2x/" + png});
    };

    // Compact window: the strips start from the face under each button, so
    // that only the plate shows on the cap.
    const auto onFace = [](const QRect& place, Icon icon) {
        return [place, icon] {
            const int px = drawScale();
            const QImage under = drawFace().copy(QRect(place.topLeft() * px, place.size() * px));
            return buttonStrip(place.width(), place.height(), iconPainter(icon), &under, 3);
        };
    };
    put(onFace(kCompactOpenButton, Icon::FullScreen), "compact", "myButton1", "buttons/myButton1.bmp");
    put(onFace(kCompactCloseButton, Icon::Close), "compact", "myButton2", "buttons/myButton2.bmp");

    for (const NamedButton& b : kFullScreenButtons)
        put([icon = b.icon] { return fullScreenStrip(icon); }, "fullscreen", b.control,
            QString("buttons/fullscreen/") + b.control + ".bmp");
    for (const NamedButton& b : kPrintButtons)
        put([icon = b.icon] { return buttonStrip(kPrintState, kPrintState, iconPainter(icon), nullptr, 5); }, "print",
            b.control, QString("buttons/print/") + b.control + ".bmp");

    QDir().mkpath(out.resources + "/icons");
    const QString iconPath = out.resources + "/icons/kestralune.png";
    if (!applicationIcon(256).save(iconPath, "PNG"))
        throw std::runtime_error("cannot write " + iconPath.toStdString());
    entries.push_back({"icons/kestralune.png", "icons/kestralune.png"});
    // The same icon beside the program, for a desktop entry to name.
    if (!applicationIcon(256).save(out.run + "/kestralune.png", "PNG"))
        throw std::runtime_error("cannot write " + (out.run + "/kestralune.png").toStdString());

    // The desktop's icon theme: each size drawn at that size, so the small
    // ones stay sharp in menus and task bars. The windows carry the same
    // set (icons/kestralune-N.png), so a task bar picks its size unscaled.
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("hicolor/%1x%1/apps").arg(size);
        QDir().mkpath(out.resources + "/" + dir);
        if (!applicationIcon(size).save(out.resources + "/" + dir + "/kestralune.png", "PNG"))
            throw std::runtime_error("cannot write " + (dir + "/kestralune.png").toStdString());
        entries.push_back({dir + "/kestralune.png", QString("icons/kestralune-%1.png").arg(size)});
    }

    writeResourceCollection(out.resources, "kestralune.qrc", entries);
    sheet.push_back({"icons/kestralune.png", applicationIcon(64)});
    writeButtonSheet(out, sheet);
}

}  // namespace

KL_PICTURE_FAMILY("buttons", generateButtons);

}  // namespace kl::picgen
