// The command line of kestralune-cli: the input's lines are its arguments.
// Every command line ends in a report on stdout and status 0, or one line on
// stderr and status 2; a date that is accepted prints as a date that reads
// back the same.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/dayreport.h"
#include "fuzz/fuzzsupport.h"

using namespace kl;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::setUpHeadless();  // no BASE.DRS there: the report has no affirmation
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::startInput();
    std::string_view rest = fuzz::asText(data, size);
    std::vector<std::string> args{"kestralune-cli"};
    while (!rest.empty() && args.size() < 8) {
        const std::size_t lf = rest.find('\n');
        args.emplace_back(rest.substr(0, lf));
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    }
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::string out, err;
    const int status = cli::run(static_cast<int>(args.size()), argv.data(), out, err);
    KL_FUZZ_CHECK(status == 0 || status == 2);
    if (status == 2) {
        KL_FUZZ_CHECK(out.empty() && !err.empty() && err.back() == '\n');
        KL_FUZZ_CHECK(err.find('\n') == err.size() - 1);
    } else {
        KL_FUZZ_CHECK(err.empty() && !out.empty() && out.back() == '\n');
    }

    for (std::size_t i = 1; i < args.size(); ++i) {
        const auto date = cli::parseDate(args[i]);
        if (!date) continue;
        KL_FUZZ_CHECK(isValidDate(*date) && date->year >= 1);
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date->year, date->month, date->day);
        const auto again = cli::parseDate(text);
        KL_FUZZ_CHECK(again && *again == *date);
        const CalendarDay day = computeCalendarDay(*date);
        KL_FUZZ_CHECK(day.kin >= 1 && day.kin <= 260 && day.month <= 13);
    }
    KL_FUZZ_CHECK(fuzz::counts().reports == 0);
    return 0;
}
