#include "support/testsupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "data/errorlog.h"
#include "data/language.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/system.h"

namespace kl::test {

namespace fs = std::filesystem;

Recorded& recorded() {
    static Recorded r;
    return r;
}

void HeadlessEnvironment::SetUp() {
    platform::setMessageHandler([](const std::string& m) { recorded().messages.push_back(m); });
    platform::setTerminateHandler([] { ++recorded().terminateRequests; });
    platform::setHaltHandler([] { ++recorded().halts; });
}

void ProgramDirTest::SetUp() {
    previousDir = platform::programDirectory();
    // One fresh directory straight inside the temporary directory, named
    // after the test; the names of parameterised tests hold "/", which
    // would otherwise make nested directories that outlive the test.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kl_" + std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    std::string pattern = (fs::temp_directory_path() / (name + "_XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a test directory");
    dir = pattern;
    platform::setProgramDirectory(dir);
    recorded() = Recorded{};
    resetErrorLog();
    platform::resetTerminateRequest();
    setTextLanguage(Language::Russian);
}

void ProgramDirTest::TearDown() {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
    platform::setProgramDirectory(previousDir);
}

std::string ProgramDirTest::path(const std::string& name) const { return dir + "/" + name; }

void ProgramDirTest::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
}

std::string ProgramDirTest::readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void ProgramDirTest::writeLines(const std::string& name, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const auto& l : lines) bytes += platform::toCp1251(l) + "\r\n";
    writeFile(name, bytes);
}

void ProgramDirTest::writeUnreadable(const std::string& name) const {
    fs::remove(path(name));
    if (::geteuid() != 0) {
        writeFile(name, "text");
        fs::permissions(path(name), fs::perms::none);
    } else {
        fs::create_symlink("/proc/self/mem", path(name));  // reading at offset 0 fails
    }
}

void ProgramDirTest::backdate(const std::string& name, int seconds) const {
    fs::last_write_time(path(name), fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
}

void ProgramDirTest::rewriteUnseen(const std::string& name, const std::string& bytes) const {
    const auto time = fs::last_write_time(path(name));
    ASSERT_EQ(fs::file_size(path(name)), bytes.size());
    {
        std::fstream f(path(name), std::ios::in | std::ios::out | std::ios::binary);  // the same file, not a new one
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fs::last_write_time(path(name), time);
}

namespace {
volatile sig_atomic_t g_refusedWrites = 0;
void countRefusedWrite(int) { g_refusedWrites = g_refusedWrites + 1; }
}  // namespace

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    g_refusedWrites = 0;
    previousHandler_ = ::signal(SIGXFSZ, countRefusedWrite);
    rlimit r{};
    ::getrlimit(RLIMIT_FSIZE, &r);
    previousSoft_ = r.rlim_cur;
    r.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &r) != 0) throw std::runtime_error("cannot limit file sizes");
}

int FileSizeLimit::refusedWrites() const { return g_refusedWrites; }

FileSizeLimit::~FileSizeLimit() {
    rlimit r{};
    ::getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = previousSoft_;
    ::setrlimit(RLIMIT_FSIZE, &r);
    ::signal(SIGXFSZ, previousHandler_);
}

}  // namespace kl::test
