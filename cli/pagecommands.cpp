#include "cli/pagecommands.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include <QGuiApplication>
#include <QImage>

#include "cli/dayreport.h"
#include "cli/output.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/system.h"
#include "layout/scriptpage.h"
#include "print/filters.h"
#include "print/interpreter.h"
#include "print/optimize.h"
#include "print/paper.h"
#include "print/sheets.h"
#include "print/report.h"
#include "print/rewrite.h"
#include "print/scriptfile.h"

namespace kl::cli {

namespace {

// One line each, as every other failure (SCRIPT "-" is standard input).
const char* const kPageUsage =
    "usage: kestralune-cli page SCRIPT|- OUT.png|OUT.pdf [--date YYYY-MM-DD] [--size WxH] "
    "[--background RRGGBB] [--mono] [--smooth] [--paper A4|A5|A3|Letter|Legal] "
    "[--orientation auto|portrait|landscape] [--margin PERCENT]\n";
// The print manager's page before anything sets it.
constexpr int kDefaultPageWidth = 768, kDefaultPageHeight = 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
const char* const kRescaleUsage = "usage: kestralune-cli rescale SCRIPT|- FACTOR\n";

// Well-formed UTF-8 only: no overlong forms, surrogates or code points past
// U+10FFFF, which would not read back as the same bytes.
bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        if (n > 2) {
            const auto second = static_cast<unsigned char>(s[i + 1]);
            const unsigned char low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
            const unsigned char high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
            if (second < low || second > high) return false;
        }
        i += n;
    }
    return true;
}

// Reads the script SCRIPT names ("-": `in`), at most the print manager's
// cap of bytes: a larger one, or an endless stream, is refused as soon as
// the cap is passed, never held in memory. Answers 0, or the exit status
// with the one line in `err`: 2 for a script that is not there, 1 for one
// too large.
int readScript(const std::string& name, std::istream& in, ScriptText& script, std::string& err) {
    constexpr std::size_t cap = print::kMaxScriptFileBytes;
    const auto tooLarge = [&] {
        err += "kestralune-cli: the script is larger than " + std::to_string(cap >> 20) +
               " MiB, the most a script may be: " + (name == "-" ? "standard input" : platform::escapedControls(name)) +
               "\n";
        return 1;
    };
    std::string bytes;
    if (name == "-") {
        char buffer[65536];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
            bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
            if (bytes.size() > cap) return tooLarge();
        }
    } else {
        const platform::UserPath path(name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path.path(), ec)) {
            err += "kestralune-cli: cannot read the script: " + platform::escapedControls(name) + "\n";
            return 2;
        }
        const auto size = std::filesystem::file_size(path.path(), ec);
        if (!ec && size > cap) return tooLarge();
        if (ec || !platform::readFileBytes(path, bytes)) {
            err += "kestralune-cli: cannot read the script: " + platform::escapedControls(name) + "\n";
            return 2;
        }
        if (bytes.size() > cap) return tooLarge();  // grew while it was read
    }
    script = decodeScript(bytes);
    return 0;
}

bool parseSize(const std::string& text, int& w, int& h) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const auto number = [](std::string_view s, int& v) {
        if (s.empty() || s.size() > 9) return false;
        for (char c : s)
            if (c < '0' || c > '9') return false;
        v = std::stoi(std::string(s));
        return true;
    };
    return number(std::string_view(text).substr(0, x), w) && number(std::string_view(text).substr(x + 1), h);
}

bool parseColour(const std::string& text, platform::Rgb& c) {
    if (text.size() != 6) return false;
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + 6, v, 16);
    if (ec != std::errc() || end != text.data() + 6) return false;
    c = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    return true;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The page options of the command line besides the script and the output.
struct PageOptions {
    GregorianDate date = platform::systemToday();
    std::optional<layout::ScriptPageSize> size;
    print::Paper paper = print::localePaper();
    print::Orientation orientation = print::Orientation::Auto;
    bool smooth = false;
};

bool parseMargin(const std::string& text, int& margin) {
    if (text.empty() || text.size() > 2) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    margin = std::stoi(text);
    return margin <= print::kMaxMargin;
}

// The page fitted to its sheet: drawn sharp from its script, or, smoothed,
// as the page bitmap grown by doublings towards the sheet at
// kSmoothResolution dots per inch, as fitting to paper grows it.
constexpr int kSmoothResolution = 300;

std::string pdfOf(print::PrintState& state, const PageOptions& o, print::RunResult& result) {
    print::PdfFile file("Kestralune");
    print::SheetRun run(file.device(), o.paper);
    platform::Picture bitmap;
    if (o.smooth) {
        const QPageLayout::Orientation turn = print::orientationFor(o.orientation, state.canvasWidth(), state.canvasHeight());
        const QSize sheet = print::sheetLayout(o.paper, turn).fullRectPixels(kSmoothResolution).size();
        const int r = print::fitDoublings(state.canvasWidth(), state.canvasHeight(), {sheet.width(), sheet.height()});
        if (r > 0) {
            const std::int64_t f = print::power(2, r);
            result.append(print::rescalePage(state, bitmap, static_cast<int>(state.canvasWidth() * f),
                                             static_cast<int>(state.canvasHeight() * f), static_cast<double>(f)));
        }
        result.append(print::showPage(state, bitmap));
        print::smoothPage(state, bitmap, {});
    }
    result.append(print::printPage(run, state, o.orientation, o.smooth ? &bitmap : nullptr));
    if (!run.finish()) return {};
    return file.bytes();
}

int page(const std::vector<std::string>& args, std::istream& in, std::string& err) {
    const std::optional<PageRequest> request =
        parsePageArgs(std::vector<std::string>(args.begin() + 1, args.end()), err);
    if (!request) return 2;
    print::PrintState state;
    state.monoMode = request->mono;
    if (request->background) state.background = *request->background;
    if (request->margin) state.margin = *request->margin;
    PageOptions o;
    if (request->date) o.date = *request->date;
    o.size = request->size;
    if (request->paper) o.paper = *request->paper;
    o.orientation = request->orientation;
    o.smooth = request->smooth;
    const bool pdf = request->pdf;
    ScriptText script;
    if (const int status = readScript(request->script, in, script, err); status != 0) return status;

    // The size given, else the one the script carries, else the editor's.
    bool sizeFault = false;
    layout::ScriptPageSize size = o.size.value_or(layout::ScriptPageSize{kDefaultPageWidth, kDefaultPageHeight});
    if (!o.size) {
        if (const auto own = layout::scriptPageSize(script.lines)) {
            if (print::validPageSize(own->width, own->height)) {
                size = *own;
            } else {
                err += "kestralune-cli: the script's page size is out of range (sides 1..16384, at most 134217728 "
                       "pixels): " + std::to_string(own->width) + " x " + std::to_string(own->height) + "; " +
                       std::to_string(size.width) + " x " + std::to_string(size.height) + " is used\n";
                sizeFault = true;
            }
        }
    }
    state.script.lines = std::move(script.lines);
    state.script.canvasWidth = size.width;
    state.script.canvasHeight = size.height;
    print::setPrintDay(state, computeCalendarDay(o.date));

    print::RunResult r;
    std::string bytes;
    if (pdf) {
        bytes = pdfOf(state, o, r);
    } else {
        platform::Picture picture;
        r = print::showPage(state, picture, {});
        if (o.smooth && !picture.isNull()) print::smoothPage(state, picture, {});
        bytes = platform::encodedImage(picture.image(), "PNG");
    }
    err += print::failureLines(r, "kestralune-cli: ");
    if (bytes.empty()) {
        err += "kestralune-cli: cannot make the page: " + platform::escapedControls(request->output) + "\n";
        return 1;
    }
    if (!writeOutput(request->output, bytes, err)) return 1;
    return r.clean() && !sizeFault ? 0 : 1;
}

int rescale(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err) {
    if (args.size() != 3) {
        err += kRescaleUsage;
        return 2;
    }
    double factor = 0;
    const std::string& f = args[2];
    const auto [end, ec] = std::from_chars(f.data(), f.data() + f.size(), factor);
    if (ec != std::errc() || end != f.data() + f.size() || !std::isfinite(factor) || factor <= 0) {
        err += "kestralune-cli: not a positive factor: " + platform::escapedControls(f) + "\n";
        return 2;
    }
    ScriptText script;
    if (const int status = readScript(args[1], in, script, err); status != 0) return status;
    print::RewriteResult r = print::rewriteScript(script.lines, {}, factor, print::interpreterLimits());
    // Lines counted from 1, as terminals and editors count them.
    if (!r.ok) {
        err += "kestralune-cli: line " + std::to_string(r.failure.index + 1) + ": " + r.failure.why +
               "; nothing rescaled: " + r.failure.line + "\n";
        return 1;
    }
    for (const print::RewriteIssue& u : r.unreadable)
        err += "kestralune-cli: line " + std::to_string(u.index + 1) + ": cannot be read; kept unchanged: " + u.line + "\n";
    script.lines = std::move(r.lines);
    out = encodeScript(script);
    return r.unreadable.empty() ? 0 : 1;
}

}  // namespace

PaperOption takePaperOption(const std::vector<std::string>& args, std::size_t& i, std::optional<print::Paper>& paper,
                            print::Orientation& orientation, std::optional<int>& margin, std::string& err) {
    const std::string& a = args[i];
    if (i + 1 >= args.size() || (a != "--paper" && a != "--orientation" && a != "--margin")) return PaperOption::NotOne;
    const std::string& value = args[++i];
    if (a == "--paper") {
        paper = print::paperNamed(value);
        if (paper) return PaperOption::Taken;
        err += "kestralune-cli: not a paper (want A4, A5, A3, Letter or Legal): " + platform::escapedControls(value) + "\n";
    } else if (a == "--orientation") {
        const auto turn = print::orientationNamed(value);
        if (turn) {
            orientation = *turn;
            return PaperOption::Taken;
        }
        err += "kestralune-cli: not an orientation (want auto, portrait or landscape): " + platform::escapedControls(value) + "\n";
    } else {
        int percent = 0;
        if (parseMargin(value, percent)) {
            margin = percent;
            return PaperOption::Taken;
        }
        err += "kestralune-cli: not a margin (want a whole percent 0..45): " + platform::escapedControls(value) + "\n";
    }
    return PaperOption::Bad;
}

std::optional<PageRequest> parsePageArgs(const std::vector<std::string>& args, std::string& err) {
    PageRequest request;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const PaperOption paperOption =
            takePaperOption(args, i, request.paper, request.orientation, request.margin, err);
        if (paperOption == PaperOption::Bad) return std::nullopt;
        if (paperOption == PaperOption::Taken) continue;
        if (a == "--mono") {
            request.mono = true;
        } else if (a == "--smooth") {
            request.smooth = true;
        } else if (a == "--date" && hasValue) {
            request.date = parseDate(args[++i]);
            if (!request.date) {
                err += "kestralune-cli: not a date (want YYYY-MM-DD, year 1 or later): " + platform::escapedControls(args[i]) + "\n";
                return std::nullopt;
            }
        } else if (a == "--size" && hasValue) {
            int width = 0, height = 0;
            if (!parseSize(args[++i], width, height) || !print::validPageSize(width, height)) {
                err += "kestralune-cli: not a page size (want WxH, sides 1..16384, at most 134217728 pixels): " +
                       platform::escapedControls(args[i]) + "\n";
                return std::nullopt;
            }
            request.size = layout::ScriptPageSize{width, height};
        } else if (a == "--background" && hasValue) {
            Rgb colour;
            if (!parseColour(args[++i], colour)) {
                err += "kestralune-cli: not a colour (want RRGGBB in hexadecimal): " + platform::escapedControls(args[i]) + "\n";
                return std::nullopt;
            }
            request.background = colour;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            err += kPageUsage;
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) {
        err += kPageUsage;
        return std::nullopt;
    }
    request.script = positional[0];
    request.output = positional[1];
    request.pdf = endsWith(lower(request.output), ".pdf");
    if (!request.pdf && !endsWith(lower(request.output), ".png")) {
        err += "kestralune-cli: the page is written as .png or .pdf: " + platform::escapedControls(request.output) + "\n";
        return std::nullopt;
    }
    return request;
}

ScriptText decodeScript(std::string_view bytes) {
    ScriptText script;
    script.byteOrderMark = bytes.starts_with(kByteOrderMark);
    if (script.byteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    script.cp1251 = !validUtf8(bytes);
    const std::string text = script.cp1251 ? platform::fromCp1251(bytes) : std::string(bytes);
    script.crlf = text.find("\r\n") != std::string::npos;
    std::string_view rest = text;
    while (!rest.empty()) script.lines.emplace_back(platform::nextLine(rest));
    return script;
}

std::string encodeScript(const ScriptText& script) {
    // Written back even before Windows-1251 text: the first line may begin
    // with the same three bytes, which a mark in front keeps.
    std::string out(script.byteOrderMark ? kByteOrderMark : std::string_view());
    for (const std::string& line : script.lines) {
        out += script.cp1251 ? platform::toCp1251(line) : line;
        out += script.crlf ? "\r\n" : "\n";
    }
    return out;
}

bool isPrintCommand(const std::string& word) { return word == "page" || word == "rescale"; }

int runPrintCommand(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err) {
    if (args.empty() || !isPrintCommand(args[0])) {
        err += kPageUsage;
        return 2;
    }
    try {
        return args[0] == "page" ? page(args, in, err) : rescale(args, in, out, err);
    } catch (const std::exception& e) {
        err += std::string("kestralune-cli: ") + e.what() + "\n";
        return 1;
    }
}


}  // namespace kl::cli
