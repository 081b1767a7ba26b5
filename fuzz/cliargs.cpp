// The argument parsers of kestralune-cli's find, ics and page: the input's
// lines are the arguments after the command word, and each parser reads
// them. A parser accepts what its command can carry out, or refuses with one
// line; what it accepts is carried out here where that is cheap (a search,
// a short calendar) and must come out as the request says.
#include <optional>
#include <string>
#include <vector>

#include "cli/find.h"
#include "cli/ics.h"
#include "cli/pagecommands.h"
#include "cli/dayreport.h"
#include "core/kinsearch.h"
#include "fuzz/fuzzsupport.h"
#include "print/interpreter.h"

using namespace kl;

namespace {

bool oneLine(const std::string& err) { return !err.empty() && err.find('\n') == err.size() - 1; }

bool validDay(const GregorianDate& d) { return isValidDate(d) && d.year >= 1; }

bool before(const GregorianDate& a, const GregorianDate& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

void checkFind(const std::vector<std::string>& args) {
    std::string err;
    const auto request = cli::parseFindArgs(args, err);
    if (!request) {
        KL_FUZZ_CHECK(oneLine(err));
        return;
    }
    KL_FUZZ_CHECK(err.empty());
    KL_FUZZ_CHECK(request->kin >= 1 && request->kin <= 260);
    KL_FUZZ_CHECK(request->count >= 1 && request->count <= cli::kMaxFindCount);
    if (!request->from) return;  // today: the answer changes with the day
    KL_FUZZ_CHECK(validDay(*request->from));
    // The search as the command runs it: dates of the kin, in order, from
    // the start on; as many as asked unless the years end first.
    std::string out;
    err.clear();
    const int status = cli::runFind(args, out, err);
    KL_FUZZ_CHECK(status == 0 || status == 1);
    KL_FUZZ_CHECK(status == 0 ? err.empty() : oneLine(err));
    if (request->json) return;
    std::optional<GregorianDate> last;
    int lines = 0;
    for (std::size_t start = 0; start < out.size(); ++lines) {
        const std::size_t end = out.find('\n', start);
        KL_FUZZ_CHECK(end != std::string::npos);
        const auto date = cli::parseDate(out.substr(start, end - start));
        KL_FUZZ_CHECK(date && computeCalendarDay(*date).kin == request->kin);
        KL_FUZZ_CHECK(last ? before(*last, *date) : !before(*date, *request->from));
        last = date;
        start = end + 1;
    }
    // A return on 28 February of a leap year lists 29 February too.
    KL_FUZZ_CHECK(status == 1 ? lines < 2 * request->count : lines >= request->count);
}

void checkIcs(const std::vector<std::string>& args) {
    std::string err;
    const auto request = cli::parseIcsArgs(args, err);
    if (!request) {
        KL_FUZZ_CHECK(oneLine(err));
        return;
    }
    KL_FUZZ_CHECK(err.empty());
    KL_FUZZ_CHECK(validDay(request->from) && validDay(request->to) && request->to.year <= 9999);
    KL_FUZZ_CHECK(!before(request->to, request->from));
    KL_FUZZ_CHECK(request->output.has_value() == (args.size() == 3 && args[2] != "-"));
    // A short range is made in full: one event a day, lines of at most 75
    // octets, each ending in CR LF.
    if (request->to.year != request->from.year || request->to.month - request->from.month > 1) return;
    const std::string file = cli::buildIcs(request->from, request->to, "20260101T000000Z", false);
    int events = 0;
    for (std::size_t start = 0; start < file.size();) {
        const std::size_t end = file.find("\r\n", start);
        KL_FUZZ_CHECK(end != std::string::npos && end - start <= 75);
        events += file.compare(start, end - start, "BEGIN:VEVENT") == 0;
        start = end + 2;
    }
    int days = 0;
    for (GregorianDate d = request->from; !before(request->to, d); ++days) {
        const bool leap = d.month == 2 && isGregorianLeapYear(d.year);
        if (d.day < (leap ? 29 : daysInMonth(d.month))) ++d.day;
        else if (d.month < 12) d = {1, static_cast<std::uint8_t>(d.month + 1), 0, d.year};
        else d = {1, 1, 0, d.year + 1};
    }
    KL_FUZZ_CHECK(events == days);
}

bool endsWithInAnyCase(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = s[s.size() - tail.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != tail[i]) return false;
    }
    return true;
}

void checkPage(const std::vector<std::string>& args) {
    std::string err;
    const auto request = cli::parsePageArgs(args, err);
    if (!request) {
        KL_FUZZ_CHECK(oneLine(err));
        return;
    }
    KL_FUZZ_CHECK(err.empty());
    KL_FUZZ_CHECK(!request->size || print::validPageSize(request->size->width, request->size->height));
    KL_FUZZ_CHECK(request->pdf == endsWithInAnyCase(request->output, ".pdf"));
    KL_FUZZ_CHECK(request->pdf || endsWithInAnyCase(request->output, ".png"));
    if (request->date) KL_FUZZ_CHECK(validDay(*request->date));
    // The script and the page are two of the arguments, in that order.
    std::size_t script = args.size(), output = args.size();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (script == args.size() && args[i] == request->script) script = i;
        else if (script < i && args[i] == request->output) output = i;
    }
    KL_FUZZ_CHECK(script < output && output < args.size());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::setUpHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    std::string_view rest = fuzz::asText(data, size);
    std::vector<std::string> args;
    while (!rest.empty() && args.size() < 12) {
        const std::size_t lf = rest.find('\n');
        args.emplace_back(rest.substr(0, lf));
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    }
    checkFind(args);
    checkIcs(args);
    checkPage(args);
    KL_FUZZ_CHECK(fuzz::counts().reports == 0 && fuzz::counts().messages == 0);
    return 0;
}
