// kestralune-cli's reader of layout scripts: any bytes, with or without a
// byte order mark, in UTF-8 or Windows-1251, with any line ends. The lines
// come out as UTF-8 without line ends, and a script written back in the
// encoding it came in reads back as the same lines in the same encoding,
// which is what rescale promises.
#include <string>

#include "cli/pagecommands.h"
#include "fuzz/fuzzsupport.h"
#include "platform/codec.h"

using namespace kl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const cli::ScriptText script = cli::decodeScript(bytes);
    for (const std::string& line : script.lines) {
        KL_FUZZ_CHECK(line.find('\n') == std::string::npos);
        KL_FUZZ_CHECK(platform::fromCodePoints(platform::toCodePoints(line)) == line);  // UTF-8
    }
    const std::string written = cli::encodeScript(script);
    const cli::ScriptText again = cli::decodeScript(written);
    KL_FUZZ_CHECK(again.cp1251 == script.cp1251 && again.crlf == script.crlf && again.byteOrderMark == script.byteOrderMark);
    KL_FUZZ_CHECK(again.lines == script.lines);
    KL_FUZZ_CHECK(cli::encodeScript(again) == written);
    return 0;
}
