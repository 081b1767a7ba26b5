#include "print/rewrite.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "layout/scriptpage.h"
#include "print/script.h"

namespace kl::print {

namespace {

std::string num(std::int64_t v) { return std::to_string(v); }

// One list's pass: the pages, and the font in force before and after it,
// as the interpreter will read the lines.
class ListPass {
public:
    ListPass(double factor, const RewriteLimits& limits, layout::ScriptPageSize before, layout::ScriptPageSize after)
        : factor_(factor), limits_(limits), before_(before), after_(after),
          pixelsBefore_(pixelSize(FontLine{})), pixelsAfter_(pixelsBefore_) {}

    // The line rewritten, or nullopt with `why` when the pass would break it;
    // `readable` false for a command line that cannot be read.
    std::optional<std::string> command(Command c, std::string_view text, bool& readable, std::string& why);

private:
    int pixelSize(const FontLine& f) const {
        if (limits_.pixelSize) return limits_.pixelSize(f);
        return f.height == 0 ? 13 : static_cast<int>(std::min<std::int64_t>(std::llabs(std::int64_t{f.height}), 1 << 30));
    }
    std::optional<std::string> font(const FontLine& f, std::string& why);
    std::optional<std::string> text(const TextLine& t, std::string& why);
    std::optional<std::string> moon(const MoonLine& m, std::string& why);

    double factor_;
    const RewriteLimits& limits_;
    layout::ScriptPageSize before_, after_;
    int pixelsBefore_, pixelsAfter_;  // of the page font in force; before the first FONT line, height 0
};

std::optional<std::string> ListPass::font(const FontLine& f, std::string& why) {
    const auto line = rewriteFont(f, factor_);
    if (!line) {
        why = "a scaled number would be out of range";
        return std::nullopt;
    }
    FontLine g = f;
    g.size = *scaled(f.size, factor_);
    g.height = *scaled(f.height, factor_);
    if (fontHeightFits(f.height, before_.width, before_.height)) {
        if (!fontHeightFits(g.height, after_.width, after_.height)) {
            why = "the font height would be " + num(g.height) + ", beyond " + num(kMaxFontPages) + " times the page";
            return std::nullopt;
        }
        if (f.height != 0 && g.height == 0) {
            why = "the font height would be 0, which draws the default height";
            return std::nullopt;
        }
    }
    pixelsBefore_ = pixelSize(f);
    pixelsAfter_ = pixelSize(g);
    return line;
}

std::optional<std::string> ListPass::text(const TextLine& t, std::string& why) {
    const auto line = rewriteText(t, factor_);
    if (!line) {
        why = "a scaled number would be out of range";
        return std::nullopt;
    }
    const std::int64_t units = utf16Units(textToDraw(t.text, {}));
    if (units > 0 && textExtentFits(units, pixelsBefore_) && !textExtentFits(units, pixelsAfter_)) {
        why = "the text would be too wide for its scaled font";
        return std::nullopt;
    }
    return line;
}

std::optional<std::string> ListPass::moon(const MoonLine& m, std::string& why) {
    const auto line = rewriteMoon(m, factor_);
    if (!line) {
        why = "a scaled number would be out of range";
        return std::nullopt;
    }
    const std::int32_t size = *scaled(m.size, factor_);
    if (moonSizeFits(m.size) && !moonSizeFits(size)) {
        why = "the moon size would be " + num(size) + ", beyond 1.." + num(kMaxMoonSize);
        return std::nullopt;
    }
    return line;
}

std::optional<std::string> ListPass::command(Command c, std::string_view text, bool& readable, std::string& why) {
    readable = true;
    const auto outOfRange = [&](std::optional<std::string> line) {
        if (!line) why = "a scaled number would be out of range";
        return line;
    };
    switch (c) {
    case Command::Font:
        if (const auto f = parseFont(text)) return font(*f, why);
        break;
    case Command::Text:
        if (const auto t = parseText(text)) return this->text(*t, why);
        break;
    case Command::Pict:
        if (const auto p = parsePict(text)) return outOfRange(rewritePict(*p, factor_));
        break;
    case Command::Moon:
        if (const auto m = parseMoon(text)) return moon(*m, why);
        break;
    case Command::Year: {
        const auto y = parseYear(text);
        const auto c3 = y ? parseNumber(y->c) : std::nullopt;
        if (y && c3) return outOfRange(rewriteYear(*y, *c3, factor_));
        break;
    }
    case Command::None:
        break;
    }
    readable = false;
    return std::nullopt;
}

// One list: false when the pass would break a line (`failure` says which).
bool rewriteList(const std::vector<std::string>& in, bool yearList, ListPass pass, double factor,
                 std::vector<std::string>& out, std::vector<RewriteIssue>& unreadable, RewriteIssue& failure) {
    std::vector<std::string> headers, body;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const std::string_view line = withoutCR(in[i]);
        switch (lineKind(line)) {
        case LineKind::Header:
            headers.emplace_back(line);
            break;
        case LineKind::Comment:
            // The page size goes on with the page, scaled as it is.
            if (const auto size = layout::readPageSizeLine(line)) {
                const auto w = scaled(size->width, factor), h = scaled(size->height, factor);
                const int width = w ? std::max(*w, 1) : 0, height = h ? std::max(*h, 1) : 0;
                if (!w || !h || (validPageSize(size->width, size->height) && !validPageSize(width, height))) {
                    failure = {i, yearList, std::string(line), "",
                               "the page would be " + num(width) + " x " + num(height) + ", beyond sides 1.." +
                                   num(kMaxPageSide) + " and " + num(kMaxPagePixels) + " pixels"};
                    if (!w || !h) failure.why = "a scaled number would be out of range";
                    return false;
                }
                headers.push_back(layout::pageSizeLine(width, height));
            }
            break;
        case LineKind::Marker:
            break;
        case LineKind::Other:
            // A note of the user's: it draws nothing, but it is theirs.
            if (!line.empty()) body.emplace_back(line);
            break;
        case LineKind::Command: {
            const Command c = commandOf(line);
            bool readable = true;
            std::string why;
            const auto rewritten = pass.command(c, line, readable, why);
            if (!readable) {
                unreadable.push_back({i, yearList, std::string(line), commandSender(c, ""), ""});
                body.emplace_back(line);
            } else if (!rewritten) {
                failure = {i, yearList, std::string(line), commandSender(c, ""), why};
                return false;
            } else {
                body.push_back(*rewritten);
            }
            break;
        }
        }
    }
    out = std::move(headers);
    out.insert(out.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
    return true;
}

}  // namespace

RewriteResult rewriteScript(const std::vector<std::string>& lines, const std::vector<std::string>& yearList,
                            double factor, const RewriteLimits& limits) {
    RewriteResult r;
    if (!std::isfinite(factor) || factor <= 0) return r;
    // The pages the lines are read against; a script that names none may be
    // drawn on any page.
    const layout::ScriptPageSize largest{kMaxPageSide, kMaxPageSide};
    const auto own = layout::scriptPageSize(lines);
    layout::ScriptPageSize before = limits.before.value_or(own.value_or(largest)), after = largest;
    if (limits.after) {
        after = *limits.after;
    } else if (own) {
        const auto w = scaled(own->width, factor), h = scaled(own->height, factor);
        if (w && h) after = {std::max(*w, 1), std::max(*h, 1)};
    }
    const ListPass pass(factor, limits, before, after);
    std::vector<std::string> newLines, newYear;
    std::vector<RewriteIssue> unreadable;
    // The year sub-script is read from the default font: which FONT line
    // comes before the YEAR lines that run it is not known here.
    if (!rewriteList(lines, false, pass, factor, newLines, unreadable, r.failure)) return r;
    if (!rewriteList(yearList, true, pass, factor, newYear, unreadable, r.failure)) return r;
    r.ok = true;
    r.lines = std::move(newLines);
    r.yearList = std::move(newYear);
    r.unreadable = std::move(unreadable);
    return r;
}

std::vector<std::string> inlineYearList(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& yearList) {
    std::vector<std::string> out;
    out.reserve(lines.size() + yearList.size());
    for (const std::string& line : lines) {
        if (commandOf(line) == Command::Year && parseYear(line)) out.insert(out.end(), yearList.begin(), yearList.end());
        else out.push_back(line);
    }
    return out;
}

void moveYearTail(std::vector<std::string>& yearList, std::vector<std::string>& lines, std::size_t count) {
    const std::size_t n = std::min(count, yearList.size());
    const auto from = yearList.end() - static_cast<std::ptrdiff_t>(n);
    lines.insert(lines.end(), std::make_move_iterator(from), std::make_move_iterator(yearList.end()));
    yearList.erase(from, yearList.end());
}

}  // namespace kl::print
