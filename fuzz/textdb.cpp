// Numbered lines of a text file, the affirmation built from them and the case
// patterns applied before drawing. The input's first line is a header: a line
// number (a leading "-" gives -1) and, after one blank, a case pattern; the
// rest of the input is the file.
#include <string>

#include "core/calendar.h"
#include "data/textdb.h"
#include "fuzz/fuzzsupport.h"
#include "platform/codec.h"

using namespace kl;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::setUpHeadless();
    return 0;
}

namespace {

// Line n of the bytes by the file format's rule: a line ends at LF, at
// CR LF or at a lone CR, and nothing follows the last end.
std::string_view lineOf(std::string_view bytes, int n) {
    std::size_t start = 0;
    for (int i = 0;; ++i) {
        if (start >= bytes.size()) return {};
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
        if (i == n) return bytes.substr(start, end - start);
        if (end == bytes.size()) return {};
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::asText(data, size);
    const std::size_t headerEnd = input.find('\n');
    if (headerEnd == std::string_view::npos) return 0;
    fuzz::startInput();
    const std::string_view header = input.substr(0, headerEnd);
    const std::string_view file = input.substr(headerEnd + 1);
    int n = 0;
    std::size_t i = 0;
    for (; i < header.size() && header[i] >= '0' && header[i] <= '9'; ++i) n = (n * 10 + header[i] - '0') % 1024;
    if (!header.empty() && header[0] == '-') n = -1;
    const std::size_t blank = header.find(' ');
    const std::string pattern(blank == std::string_view::npos ? std::string_view() : header.substr(blank + 1));
    fuzz::putFile("BASE.DRS", file);

    std::string out = "unchanged";
    readtext(n, "base.drs", out);
    KL_FUZZ_CHECK(fuzz::counts().reports == 0);
    KL_FUZZ_CHECK(out == (n < 0 ? std::string() : platform::fromCp1251(lineOf(file, n))));

    // Case patterns keep the text in the code page and never add characters.
    const std::string shaped = applyCaseMask(out, pattern);
    KL_FUZZ_CHECK(platform::toCodePoints(shaped).size() <= platform::toCodePoints(out).size());
    if (platform::fitsCp1251(out)) KL_FUZZ_CHECK(platform::fitsCp1251(shaped));

    // The affirmation of some day reads about twenty lines of the file.
    GregorianDate date;
    date.year = 1 + static_cast<std::int32_t>(size * 7919 % 1000000);
    date.month = static_cast<std::uint8_t>(n < 0 ? 7 : n % 12 + 1);
    date.day = static_cast<std::uint8_t>(pattern.size() % daysInMonth(date.month) + 1);
    const auto lines = loadaffirmation(computeCalendarDay(date));
    KL_FUZZ_CHECK(fuzz::counts().reports == 0);
    for (const std::string& line : lines)
        KL_FUZZ_CHECK(platform::fromCodePoints(platform::toCodePoints(line)) == line);
    return 0;
}
