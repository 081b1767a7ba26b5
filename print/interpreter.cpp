#include "print/interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>

#include "data/settings.h"
#include "layout/scriptpage.h"
#include "print/bitmapfile.h"
#include "print/filters.h"
#include "print/fitting.h"
#include "print/rewrite.h"
#include "print/script.h"

namespace kl::print {

namespace {

// A line that cannot be read, or holds a value out of range: it is marked.
struct Unreadable {
    std::string detail;
};

// A line that was read but could not be drawn.
struct DrawError : std::runtime_error {
    DrawError(const char* sender, const std::string& what) : std::runtime_error(what), sender(sender) {}
    const char* sender;
};

LineFailure failure(LineFailure::Kind kind, int code, std::string sender, std::string line, std::size_t index,
                    bool inYear, std::string detail) {
    LineFailure f;
    f.kind = kind;
    f.code = code;
    f.sender = std::move(sender);
    f.line = std::move(line);
    f.index = index;
    f.inYearList = inYear;
    f.detail = std::move(detail);
    return f;
}

class Runner {
public:
    Runner(PrintState& state, PageCanvas& canvas, const RunHooks& hooks)
        : st_(state), canvas_(canvas), hooks_(hooks) {}

    void runList(std::vector<std::string>& list);
    RunResult result;

private:
    void progressStep(std::size_t p, std::size_t n, int base);
    void font(const std::string& line);
    void text(const std::string& line);
    void picture(const std::string& line, std::size_t index, bool inYear);
    void moon(const std::string& line);
    void pyear(const std::string& line, bool inYear);
    void puttext(std::int64_t x, std::int64_t y, const std::string& text, bool centred);

    const QFont& currentFont();

    // A bitmap named again in the same run is the same bitmap.
    const platform::Picture* bitmapFile(const std::string& file, std::string& why);

    PrintState& st_;
    PageCanvas& canvas_;
    std::map<std::string, std::pair<std::optional<platform::Picture>, std::string>> bitmaps_;
    const RunHooks& hooks_;
    std::optional<FontSpec> fontFor_;  // the font `font_` was made for
    QFont font_;
};

void Runner::progressStep(std::size_t p, std::size_t n, int base) {
    int value;
    if (st_.progressMode == 0)
        value = n < 2 ? 100 : static_cast<int>(roundHalfEven(100.0 * static_cast<double>(p) / static_cast<double>(n - 1)));
    else if (st_.progressMode == 1)
        value = base + (n < 2 ? 40 : static_cast<int>(roundHalfEven(40.0 * static_cast<double>(p) / static_cast<double>(n - 1))));
    else
        return;
    st_.progressValue = value;
    if (hooks_.progress) hooks_.progress(value);
}

void Runner::runList(std::vector<std::string>& list) {
    const bool inYear = &list == &st_.script.yearExportList;
    st_.yearDrawn = false;
    const int base = st_.progressValue;
    // The list as the run leaves it is built in one pass beside the one it
    // was given: markers met are dropped, a line that cannot be read is put
    // between new ones. At every step `kept` holds the lines before the
    // current one, as the list stands then, and `given` indexes the list
    // as it was given, so failures name lines by that index.
    std::vector<std::string> kept;
    if (!st_.previewMode) kept.reserve(list.size());
    std::int64_t keptChars = 0;  // characters of `kept`, for the caret
    const bool marking = !st_.previewMode;
    for (std::size_t given = 0; given < list.size(); ++given) {
        const std::string line(withoutCR(list[given]));
        if (marking && lineKind(line) == LineKind::Marker) continue;
        const std::size_t at = marking ? kept.size() : given;  // the line's place in the list as it stands
        progressStep(at, at + (list.size() - given), base);
        const Command c = commandOf(line);
        bool unreadable = false;
        try {
            if (c == Command::Font) {
                font(line);
            } else if (!st_.previewMode) {
                switch (c) {
                case Command::Text: text(line); break;
                case Command::Pict: picture(line, given, inYear); break;
                case Command::Moon: moon(line); break;
                case Command::Year: pyear(line, inYear); break;
                default: break;
                }
            }
        } catch (const Unreadable& u) {
            result.add(failure(LineFailure::Kind::Unreadable, 106, commandSender(c, "drawimage in printpage"), line, given, inYear, u.detail));
            unreadable = marking;
        } catch (const DrawError& e) {
            result.add(failure(LineFailure::Kind::DrawFailed, 106, e.sender, line, given, inYear, e.what()));
        } catch (const std::bad_alloc&) {
            result.add(failure(LineFailure::Kind::DrawFailed, 106, commandSender(c, "drawimage in printpage"), line, given, inYear, "out of memory"));
        } catch (const std::exception& e) {
            result.add(failure(LineFailure::Kind::DrawFailed, 106, commandSender(c, "drawimage in printpage"), line, given, inYear, e.what()));
        }
        const std::int64_t chars = marking ? static_cast<std::int64_t>(characterCount(line)) : 0;
        if (unreadable) {
            if (!inYear && result.caretOffset < 0) result.caretOffset = keptChars + chars;
            kept.emplace_back(kMarkerBefore);
            keptChars += static_cast<std::int64_t>(kMarkerBefore.size());
        }
        if (marking) kept.push_back(list[given]);  // the list stays whole while the run lets events through
        keptChars += chars;
        if (unreadable) {
            kept.emplace_back(kMarkerAfter);
            keptChars += static_cast<std::int64_t>(kMarkerAfter.size());
        }
    }
    if (marking) list = std::move(kept);
}

void Runner::font(const std::string& line) {
    const auto f = parseFont(line);
    if (!f) throw Unreadable{"a number field is not a number"};
    if (!fontHeightFits(f->height, st_.canvasWidth(), st_.canvasHeight())) throw Unreadable{"font height out of range"};
    FontSpec fontSpec;
    fontSpec.face = f->face;
    fontSpec.size = f->size;
    fontSpec.height = f->height;
    fontSpec.italic = equalsWord(f->italic, "ITL");
    fontSpec.bold = equalsWord(f->bold, "BLD");
    const Colour c = colourOf(f->r, f->g, f->b);
    fontSpec.colour = {c.r, c.g, c.b};
    if (st_.monoMode) {
        const bool black = c.r == 0 && c.g == 0 && c.b == 0;
        fontSpec.colour = black ? platform::Rgb{0, 0, 0} : platform::Rgb{255, 255, 255};
    }
    st_.pageFont = fontSpec;
    if (st_.previewMode && hooks_.previewFont) hooks_.previewFont(fontSpec);
}

const QFont& Runner::currentFont() {
    if (!fontFor_ || !(*fontFor_ == st_.pageFont)) {
        font_ = pageQFont(st_.pageFont, st_.editorFontHeight);
        fontFor_ = st_.pageFont;
    }
    return font_;
}

void Runner::text(const std::string& line) {
    const auto t = parseText(line);
    if (!t) throw Unreadable{"a number field is not a number"};
    const KinRelations& r = st_.printRelations;
    const KeywordDay day{st_.printDay.sign, st_.printDay.tone, st_.printDay.plasma,
                         r.guide,           r.analog,        r.antipod,
                         r.ateacher};
    const std::string s = textToDraw(t->text, day);
    if (s.empty()) return;
    puttext(t->x, t->y, s, equalsWord(t->align, "CNT"));
}

void Runner::puttext(std::int64_t x, std::int64_t y, const std::string& text, bool centred) {
    const QFont& font = currentFont();
    const QString s = QString::fromStdString(text);
    // Qt measures text in 26.6 fixed point: keep every width far inside it.
    if (!textExtentFits(s.size(), font.pixelSize())) throw Unreadable{"text too wide for its font"};
    const QFontMetrics m(font);
    const std::int64_t width = m.horizontalAdvance(s);
    const std::int64_t left = centred ? x + st_.canvasWidth() / 2 - width / 2 : x;
    if (left > canvas_.width() || left + width < 0 || y > canvas_.height() || y + m.height() < 0) return;
    canvas_.text(font, st_.pageFont.colour, static_cast<double>(left), static_cast<double>(y + m.ascent()), s);
}

const platform::Picture* Runner::bitmapFile(const std::string& file, std::string& why) {
    auto it = bitmaps_.find(file);
    if (it == bitmaps_.end()) {
        std::string reason;
        auto bitmap = loadBitmapFile(file, reason);
        it = bitmaps_.emplace(file, std::make_pair(std::move(bitmap), std::move(reason))).first;
    }
    why = it->second.second;
    return it->second.first ? &*it->second.first : nullptr;
}

void Runner::picture(const std::string& line, std::size_t index, bool inYear) {
    const auto pl = parsePict(line);
    if (!pl) throw Unreadable{"a number field is not a number"};
    const std::string file = pictFileName(pl->file);
    std::string why;
    const platform::Picture* bitmap = bitmapFile(file, why);
    if (!bitmap) {
        result.add(failure(LineFailure::Kind::MissingPicture, 101, commandSender(Command::Pict, "drawimage in printpage"), line, index, inYear,
                    file + ": " + why));
        return;
    }
    const Colour key = colourOf(pl->r, pl->g, pl->b);
    std::int64_t x = pl->x;
    if (equalsWord(pl->align, "CNT")) x += st_.canvasWidth() / 2 - bitmap->width() / 2;
    canvas_.picture(file, *bitmap, x, pl->y, platform::Rgb{key.r, key.g, key.b});
    st_.lastKeyColour = bitmap->pixel(0, 0);
}

void Runner::moon(const std::string& line) {
    const auto m = parseMoon(line);
    if (!m) throw Unreadable{"a number field is not a number"};
    if (!moonSizeFits(m->size)) throw Unreadable{"moon size out of range"};
    const bool image = equalsWord(m->look, "IMAGE");
    const Colour c = image ? Colour{} : stocolor(m->look);
    try {
        canvas_.moon(m->x, m->y, m->size, m->phase, image, {c.r, c.g, c.b});
    } catch (const std::exception& e) {
        throw DrawError("paintmoon in printpage", e.what());
    }
}

void Runner::pyear(const std::string& line, bool inYear) {
    if (!parseYear(line)) throw Unreadable{"a number field is not a number"};
    // The sub-script cannot run itself: that would never end.
    if (inYear) throw DrawError(commandSender(Command::Year, "drawimage in printpage"), "a YEAR line inside the year sub-script is not run");
    st_.progressMode = st_.progressMode == 5 ? 0 : 1;
    runList(st_.script.yearExportList);
    st_.progressMode = 2;
    st_.yearDrawn = true;
}

}  // namespace

void RunResult::add(LineFailure f) {
    if (f.kind == LineFailure::Kind::MissingPicture) ++missingPictures;
    else ++failedLines;
    if (failures.size() < kMaxKept) failures.push_back(std::move(f));
}

void RunResult::append(RunResult other) {
    const auto keptLines = static_cast<int>(std::count_if(other.failures.begin(), other.failures.end(), [](const LineFailure& f) {
        return f.kind != LineFailure::Kind::MissingPicture;
    }));
    const int keptPictures = static_cast<int>(other.failures.size()) - keptLines;
    for (LineFailure& f : other.failures) add(std::move(f));
    failedLines += other.failedLines - keptLines;
    missingPictures += other.missingPictures - keptPictures;
    aborted = aborted || other.aborted;
    if (other.refused && !refused) {
        refused = true;
        refusal = std::move(other.refusal);
    }
    if (caretOffset < 0) caretOffset = other.caretOffset;
}

QFont pageQFont(const FontSpec& fontSpec, int editorFontHeight) {
    QFont font(QString::fromStdString(fontFace(fontSpec.face)));
    font.setBold(fontSpec.bold);
    font.setItalic(fontSpec.italic);
    int height = fontSpec.height != 0 ? fontSpec.height : editorFontHeight;
    if (height == 0) height = -13;
    if (height < 0) {
        font.setPixelSize(std::max(1, -height));
    } else {
        // A cell height: the pixel size whose ascent and descent add up to it.
        constexpr int kProbe = 100;
        QFont probe(font);
        probe.setPixelSize(kProbe);
        const QFontMetricsF m(probe);
        const double cell = m.ascent() + m.descent();
        const double size = cell > 0 ? height * kProbe / cell : height;
        font.setPixelSize(std::max(1, static_cast<int>(roundHalfEven(size))));
    }
    return font;
}

RewriteLimits interpreterLimits(int editorFontHeight) {
    RewriteLimits limits;
    limits.pixelSize = [editorFontHeight](const FontLine& f) {
        FontSpec font;
        font.face = f.face;
        font.height = f.height;
        font.bold = equalsWord(f.bold, "BLD");
        font.italic = equalsWord(f.italic, "ITL");
        return pageQFont(font, editorFontHeight).pixelSize();
    };
    return limits;
}

namespace {

// Runs the rewrite pass over copies; on success the results are moved into
// `lines` and `year` (when given), otherwise nothing is touched.
RunResult rewriteLists(std::vector<std::string>& lines, std::vector<std::string>* year, bool linesAreYear,
                       double factor, RewriteLimits limits, int editorFontHeight) {
    RunResult r;
    limits.pixelSize = interpreterLimits(editorFontHeight).pixelSize;
    RewriteResult rw = rewriteScript(lines, year ? *year : std::vector<std::string>{}, factor, limits);
    if (!rw.ok) {
        r.refused = true;
        const RewriteIssue& f = rw.failure;
        const bool inYear = f.inYearList || linesAreYear;
        r.refusal = f.line.empty() ? "The script cannot be rescaled: the factor is not a positive number."
                                   : "The script cannot be rescaled: " +
                                         std::string(inYear ? "year sub-script line " : "line ") +
                                         std::to_string(f.index) + " (" + f.line + "): " + f.why + ".";
        if (!f.line.empty())
            r.add(failure(LineFailure::Kind::Unreadable, 106, f.sender, f.line, f.index, inYear, f.why));
        return r;
    }
    for (const RewriteIssue& u : rw.unreadable)
        r.add(failure(LineFailure::Kind::Unreadable, 106, u.sender, u.line, u.index, u.inYearList || linesAreYear,
               "cannot be read; kept unchanged"));
    lines = std::move(rw.lines);
    if (year) *year = std::move(rw.yearList);
    return r;
}

}  // namespace

RunResult drawimage(PrintState& state, std::vector<std::string>& list, platform::Picture& page,
                    const RunHooks& hooks) {
    BitmapCanvas canvas(page);
    return drawimageOn(state, list, canvas, hooks);
}

RunResult drawimageOn(PrintState& state, std::vector<std::string>& list, PageCanvas& canvas, const RunHooks& hooks) {
    if (state.rewriteMode) {
        const bool isYear = &list == &state.script.yearExportList;
        return rewriteLists(list, isYear ? nullptr : &state.script.yearExportList, isYear, state.scaleFactor, {},
                            state.editorFontHeight);
    }
    Runner runner(state, canvas, hooks);
    try {
        runner.runList(list);
    } catch (...) {
        runner.result.aborted = true;
    }
    return std::move(runner.result);
}

RunResult showPage(PrintState& state, platform::Picture& page, const RunHooks& hooks) {
    RunResult r;
    const int w = state.canvasWidth(), h = state.canvasHeight();
    if (!validPageSize(w, h)) {
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    try {
        if (page.width() != w || page.height() != h) page = platform::Picture(w, h, state.background);
        else page.fill(state.background);
    } catch (...) {
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    const bool rewrite = state.rewriteMode, preview = state.previewMode;
    state.rewriteMode = state.previewMode = false;
    r = drawimage(state, state.script.lines, page, hooks);
    state.rewriteMode = rewrite;
    state.previewMode = preview;
    if (state.monoMode) greyPage(state, page, hooks);
    return r;
}

RunResult rescalePage(PrintState& state, platform::Picture& page, int newWidth, int newHeight, double factor) {
    RunResult r;
    if (!validPageSize(newWidth, newHeight)) {
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    platform::Picture fresh;
    try {
        fresh = platform::Picture(newWidth, newHeight, state.background);
    } catch (...) {
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    std::vector<std::string> lines = state.script.lines;
    std::vector<std::string> year = state.script.yearExportList;
    RewriteLimits limits;
    limits.before = layout::ScriptPageSize{state.canvasWidth(), state.canvasHeight()};
    limits.after = layout::ScriptPageSize{newWidth, newHeight};
    r = rewriteLists(lines, &year, false, factor, limits, state.editorFontHeight);
    if (r.refused) return r;
    // The page-size line says the size the page now has, exactly.
    if (layout::scriptPageSize(lines)) layout::setScriptPageSize(lines, newWidth, newHeight);
    // Nothing below can fail: the new page, script and size arrive together.
    state.script.lines.swap(lines);
    state.script.yearExportList.swap(year);
    state.script.canvasWidth = newWidth;
    state.script.canvasHeight = newHeight;
    state.scaleFactor = factor;
    page = std::move(fresh);
    return r;
}

RunResult doublePage(PrintState& state, platform::Picture& page) {
    const std::int64_t w = std::int64_t{state.canvasWidth()} * 2, h = std::int64_t{state.canvasHeight()} * 2;
    if (!validPageSize(w, h)) {
        RunResult r;
        r.refused = true;
        r.refusal = kTooLargeMessage;
        return r;
    }
    return rescalePage(state, page, static_cast<int>(w), static_cast<int>(h), 2.0);
}

RunResult halvePage(PrintState& state, platform::Picture& page) {
    return rescalePage(state, page, state.canvasWidth() / 2, state.canvasHeight() / 2, 0.5);
}

}  // namespace kl::print
