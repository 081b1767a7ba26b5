#include "fuzz/fuzzsupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "data/errorlog.h"
#include "platform/files.h"
#include "platform/system.h"

namespace kl::fuzz {

namespace fs = std::filesystem;

namespace {

std::string& directory() {
    static std::string dir;
    return dir;
}

void removeDirectory() {
    std::error_code ec;
    if (!directory().empty()) fs::remove_all(directory(), ec);
}

}  // namespace

Counts& counts() {
    static Counts c;
    return c;
}

void setUpHeadless() {
    std::string pattern = (fs::temp_directory_path() / "kl_fuzz_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("kl fuzz: mkdtemp");
        std::abort();
    }
    directory() = pattern;
    std::atexit(removeDirectory);
    platform::setProgramDirectory(pattern);
    platform::setMessageHandler([](const std::string&) { ++counts().messages; });
    platform::setTerminateHandler([] { ++counts().terminateRequests; });
    platform::setHaltHandler([] { ++counts().terminateRequests; });
    setReportSink([](const std::string&) {
        ++counts().reports;
        return true;
    });
}

void startInput() {
    counts() = Counts{};
    resetErrorLog();
}

void putFile(const std::string& name, std::string_view bytes) {
    std::ofstream out(directory() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fail(__FILE__, __LINE__, "cannot write the input file");
}

void removeFile(const std::string& name) {
    std::error_code ec;
    fs::remove(directory() + "/" + name, ec);
}

std::string readBack(const std::string& name) {
    std::ifstream in(directory() + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

void fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

}  // namespace kl::fuzz
