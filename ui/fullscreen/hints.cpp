#include "ui/fullscreen/hints.h"

#include <stdexcept>
#include <string_view>

#include "core/state.h"
#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/viewgeometry.h"
#include "platform/codec.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/textrenderer.h"

namespace kl {

namespace tk = layout::telektonon;

std::string lastHint;

FieldRects& fieldRects() {
    static FieldRects table;
    return table;
}

namespace {

std::int32_t int32At(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return static_cast<std::int32_t>(v);
}

constexpr int kTelektononMode = 13;

bool isDayOutOfTime(const GregorianDate& d) { return d.day == 25 && d.month == 7; }

}  // namespace

void loadbaserects() {
    FieldRects& table = fieldRects();
    table = FieldRects{};
    try {
        std::string rects;
        if (!platform::readFileBytes(tk::kFieldFile, rects)) throw std::runtime_error("no field file");
        const std::shared_ptr<const TextFile> texts = readTextFile(tk::kFieldHintFile);
        if (!texts) throw std::runtime_error("no hint file");
        for (std::size_t k = 0; k < table.size(); ++k) {
            const std::size_t at = k * tk::kFieldRecordSize;
            if (rects.size() < at + tk::kFieldRecordSize) throw std::runtime_error("field file too short");
            FieldRect& r = table[k];
            r.left = int32At(rects, at);
            r.top = int32At(rects, at + 4);
            r.right = int32At(rects, at + 8);
            r.bottom = int32At(rects, at + 12);
            r.text = k < texts->lines.size() ? platform::fromCp1251(texts->lines[k]) : std::string();
        }
    } catch (...) {
        // A damaged installation, not a fault of the program: the message
        // is shown, but no report file is written for it.
        markLogWritten();
        reportFailure(101, "loadrect in fullmode");
    }
}

std::optional<std::string> checkrect(int x, int y) {
    for (const FieldRect& r : fieldRects())
        if (r.left < x && x < r.right && r.top < y && y < r.bottom) return r.text;
    return std::nullopt;
}

std::vector<std::string> hintLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    bool space = false;  // one space seen and not yet placed
    for (char c : text) {
        if (c == ' ') {
            if (space) {
                lines.push_back(line);
                line.clear();
            }
            space = !space;
        } else {
            if (space) line += ' ';
            line += c;
            space = false;
        }
    }
    lines.push_back(line);
    return lines;
}

void hintout(platform::Picture& view, int x, int y, const std::string& text) {
    {
        platform::Painter painter(view);
        painter.fillRect(x, y, x + tk::kHintWidth, y + tk::kHintHeight, layout::kViewBackground);
    }
    int n = 0;
    for (const std::string& line : hintLines(text))
        drawtxtOn(view, x, y + tk::kHintLineStep * n++, line, tk::kHintPreset, false, layout::kViewCentre);
}

bool hintMove(int x, int y, platform::Picture& view) {
    // Only the telektonon, standing still, has fields under the pointer.
    const bool board = fullmodeState == kTelektononMode && spin == 0;
    std::string hint;
    if (board) hint = checkrect(x, y).value_or(std::string());
    if (isDayOutOfTime(currentDate) || hint == lastHint) return false;
    lastHint = hint;
    // Any other view was drawn without a hint box; painting an empty one
    // there would cut a hole in it.
    if (!board) return false;
    hintout(view, tk::kHintX, tk::kHintY, hint);
    return true;
}

}  // namespace kl
