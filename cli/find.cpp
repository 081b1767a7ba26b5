#include "cli/find.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>

#include "cli/dayreport.h"
#include "core/kinsearch.h"
#include "platform/codec.h"
#include "platform/system.h"

namespace kl::cli {

namespace {

std::optional<int> smallNumber(const std::string& s, int low, int high) {
    int v = 0;
    if (s.empty() || s.size() > 6) return std::nullopt;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < low || v > high) return std::nullopt;
    return v;
}

std::string dateText(const GregorianDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

// The returns a list holds: a 29 February listed right after the 28 February
// of its year is the same return of the kin.
int returnsIn(const std::vector<GregorianDate>& dates) {
    int n = 0;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const GregorianDate& d = dates[i];
        const bool sameReturn = i > 0 && d.month == 2 && d.day == 29 && dates[i - 1].month == 2 &&
                                dates[i - 1].day == 28 && dates[i - 1].year == d.year;
        n += !sameReturn;
    }
    return n;
}

}  // namespace

std::optional<FindRequest> parseFindArgs(const std::vector<std::string>& args, std::string& err) {
    FindRequest request;
    std::optional<int> kin, seal, tone;
    const auto usage = [&](const std::string& why) {
        err = "kestralune-cli: " + platform::escapedControls(why) + "\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            request.json = true;
        } else if (a == "--from" || a == "--count" || a == "--seal" || a == "--tone") {
            if (!hasValue) return usage(a + " needs a value");
            const std::string& v = args[++i];
            if (a == "--from") {
                request.from = parseDate(v);
                if (!request.from) return usage("not a date (want YYYY-MM-DD, year 1 or later): " + v);
            } else if (a == "--count") {
                const auto n = smallNumber(v, 1, kMaxFindCount);
                if (!n) return usage("--count wants 1 to " + std::to_string(kMaxFindCount) + ": " + v);
                request.count = *n;
            } else if (a == "--seal") {
                seal = smallNumber(v, 1, 20);
                if (!seal) return usage("--seal wants 1 to 20: " + v);
            } else {
                tone = smallNumber(v, 1, 13);
                if (!tone) return usage("--tone wants 1 to 13: " + v);
            }
        } else if (!kin) {
            kin = smallNumber(a, 1, 260);
            if (!kin) return usage("not a kin (want 1 to 260): " + a);
        } else {
            return usage("unexpected argument: " + a);
        }
    }
    if (kin && (seal || tone)) return usage("give either KIN or --seal and --tone");
    if (!kin) {
        if (!seal || !tone) return usage("find wants KIN, or --seal S and --tone T (see --help)");
        kin = kinOfSealAndTone(*seal, *tone);
    }
    request.kin = *kin;
    return request;
}

int runFind(const std::vector<std::string>& args, std::string& out, std::string& err) {
    const std::optional<FindRequest> request = parseFindArgs(args, err);
    if (!request) return 2;
    const auto [kin, from, count, json] = *request;
    const GregorianDate start = from ? *from : platform::systemToday();
    const std::vector<GregorianDate> dates = findKinDates(kin, start, count);

    std::ostringstream s;
    if (json) {
        s << "{\"kin\":" << kin << ",\"sign\":" << (kin - 1) % 20 + 1 << ",\"tone\":" << (kin - 1) % 13 + 1
          << ",\"dates\":[";
        for (std::size_t i = 0; i < dates.size(); ++i) s << (i ? "," : "") << '"' << dateText(dates[i]) << '"';
        s << "]}\n";
    } else {
        for (const GregorianDate& d : dates) s << dateText(d) << "\n";
    }
    out = s.str();
    // The years end at 2147483647: a list cut short there is listed as it
    // is, and says so, so that a script counting on COUNT lines can tell.
    const int found = returnsIn(dates);
    if (found < count) {
        err = "kestralune-cli: only " + std::to_string(found) + " of " + std::to_string(count) + " returns of kin " +
              std::to_string(kin) + " fall before the end of year " + std::to_string(kLastYear) + "\n";
        return 1;
    }
    return 0;
}

}  // namespace kl::cli
