// The code page at the file boundary. Any bytes read as Windows-1251 must
// decode to well-formed UTF-8 that encodes back to the same bytes; any bytes
// taken as UTF-8 (broken sequences included) must encode to one byte per
// character, and back again when every character has a byte.
#include "data/textdb.h"
#include "fuzz/fuzzsupport.h"
#include "platform/codec.h"

using namespace kl;
using namespace kl::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);

    // As Windows-1251.
    const std::string utf8 = fromCp1251(bytes);
    const std::u32string points = toCodePoints(utf8);
    KL_FUZZ_CHECK(points.size() == bytes.size());
    KL_FUZZ_CHECK(fromCodePoints(points) == utf8);
    KL_FUZZ_CHECK(toCp1251(utf8) == bytes);
    KL_FUZZ_CHECK(fitsCp1251(utf8));
    // Case changes stay inside the code page, so a text shaped for drawing
    // can still be written back to a file.
    for (char32_t c : points) {
        const std::u32string both{upperCp1251(c), lowerCp1251(c)};
        KL_FUZZ_CHECK(fitsCp1251(fromCodePoints(both)));
        KL_FUZZ_CHECK(lowerCp1251(upperCp1251(c)) == lowerCp1251(c));
    }

    // As UTF-8 of any quality.
    const std::u32string taken = toCodePoints(bytes);
    const std::string encoded = toCp1251(bytes);
    KL_FUZZ_CHECK(encoded.size() == taken.size());
    KL_FUZZ_CHECK(taken.size() <= bytes.size());
    if (fitsCp1251(bytes)) KL_FUZZ_CHECK(fromCp1251(encoded) == fromCodePoints(taken));
    // Re-encoding what was decoded is stable: the replacement character of a
    // broken sequence is itself well-formed.
    const std::string cleaned = fromCodePoints(taken);
    KL_FUZZ_CHECK(toCodePoints(cleaned).size() == taken.size());
    return 0;
}
