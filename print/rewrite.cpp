#include "print/rewrite.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "layout/scriptpage.h"
#include "print/script.h"

namespace kl::print {

namespace {

// The rewritten form of one command line: a line, "cannot be read"
// (nullopt in `line` with `readable` false), or "out of range".
struct Rewritten {
    bool readable = true;
    std::optional<std::string> line;
};

Rewritten rewriteCommand(Command c, std::string_view text, double factor) {
    Rewritten r;
    switch (c) {
    case Command::Font:
        if (const auto f = parseFont(text)) r.line = rewriteFont(*f, factor);
        else r.readable = false;
        break;
    case Command::Text:
        if (const auto t = parseText(text)) r.line = rewriteText(*t, factor);
        else r.readable = false;
        break;
    case Command::Pict:
        if (const auto p = parsePict(text)) r.line = rewritePict(*p, factor);
        else r.readable = false;
        break;
    case Command::Moon:
        if (const auto m = parseMoon(text)) r.line = rewriteMoon(*m, factor);
        else r.readable = false;
        break;
    case Command::Year: {
        const auto y = parseYear(text);
        const auto c3 = y ? parseNumber(y->c) : std::nullopt;
        if (y && c3) r.line = rewriteYear(*y, *c3, factor);
        else r.readable = false;
        break;
    }
    case Command::None:
        r.readable = false;
        break;
    }
    return r;
}

// One list: false when a number would leave the range (`failure` says where).
bool rewriteList(const std::vector<std::string>& in, bool yearList, double factor, std::vector<std::string>& out,
                 std::vector<RewriteIssue>& unreadable, RewriteIssue& failure) {
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
                if (!w || !h) {
                    failure = {i, yearList, std::string(line), ""};
                    return false;
                }
                headers.push_back(layout::pageSizeLine(std::max(*w, 1), std::max(*h, 1)));
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
            const Rewritten r = rewriteCommand(c, line, factor);
            if (!r.readable) {
                unreadable.push_back({i, yearList, std::string(line), commandSender(c, "")});
                body.emplace_back(line);
            } else if (!r.line) {
                failure = {i, yearList, std::string(line), commandSender(c, "")};
                return false;
            } else {
                body.push_back(*r.line);
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
                            double factor) {
    RewriteResult r;
    if (!std::isfinite(factor) || factor <= 0) return r;
    std::vector<std::string> newLines, newYear;
    std::vector<RewriteIssue> unreadable;
    if (!rewriteList(lines, false, factor, newLines, unreadable, r.failure)) return r;
    if (!rewriteList(yearList, true, factor, newYear, unreadable, r.failure)) return r;
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
