#include "cli/calendar.h"

#include <charconv>

#include "cli/output.h"
#include "cli/pagecommands.h"
#include "cli/views.h"
#include "platform/codec.h"
#include "print/fitting.h"
#include "print/report.h"
#include "print/sheets.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/yearcalendar.h"

namespace kl::cli {

namespace {

const char* const kCalendarUsage =
    "usage: kestralune-cli calendar YEAR OUT.pdf [--paper A4|A5|A3|Letter|Legal] "
    "[--orientation auto|portrait|landscape] [--margin PERCENT] [--mono] [--glyphs]\n";

bool wholeNumber(const std::string& text, std::int64_t& value, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

bool endsWithPdf(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return tail == ".pdf";
}

}  // namespace

std::optional<CalendarRequest> parseCalendarArgs(const std::vector<std::string>& args, std::string& err) {
    CalendarRequest request;
    std::optional<int> margin;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const PaperOption paperOption = takePaperOption(args, i, request.paper, request.orientation, margin, err);
        if (paperOption == PaperOption::Bad) return std::nullopt;
        if (paperOption == PaperOption::Taken) continue;
        if (a == "--mono") {
            request.mono = true;
        } else if (a == "--glyphs") {
            request.glyphs = true;
        } else if (a.size() > 1 && a[0] == '-') {
            err += kCalendarUsage;
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) {
        err += kCalendarUsage;
        return std::nullopt;
    }
    std::int64_t year = 0;
    if (!wholeNumber(positional[0], year, 10) || !validCalendarYear(year)) {
        err += "kestralune-cli: not a year (want 1.." + std::to_string(kCalendarLastYear) + "): " + platform::escapedControls(positional[0]) + "\n";
        return std::nullopt;
    }
    request.year = static_cast<std::int32_t>(year);
    if (margin) request.margin = *margin;
    request.output = positional[1];
    if (!endsWithPdf(request.output)) {
        err += "kestralune-cli: the calendar is written as .pdf: " + platform::escapedControls(request.output) + "\n";
        return std::nullopt;
    }
    return request;
}

int runCalendar(const std::vector<std::string>& args, std::string& err) {
    const std::optional<CalendarRequest> request = parseCalendarArgs(args, err);
    if (!request) return 2;
    loadSettings(err);
    _TEXTGRAPHIC = request->glyphs;
    print::PrintState look;
    look.margin = request->margin;
    look.monoMode = request->mono;

    print::PdfFile file("Kestralune " + std::to_string(request->year) + "-" + std::to_string(request->year + 1));
    print::RunResult r;
    bool finished = false;
    {
        print::SheetRun run(file.device(), request->paper.value_or(print::localePaper()));
        r = printCalendar(run, request->year, look, request->orientation);
        finished = run.finish();
    }
    err += print::failureLines(r, "kestralune-cli: ");
    const bool viewFailed = failed("drawing the calendar", err);
    const std::string bytes = finished ? file.bytes() : std::string();
    if (bytes.empty()) {
        err += "kestralune-cli: cannot make the calendar: " + request->output + "\n";
        return 1;
    }
    if (!writeOutput(request->output, bytes, err)) return 1;
    return r.clean() && !viewFailed ? 0 : 1;
}

}  // namespace kl::cli
