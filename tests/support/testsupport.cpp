#include "support/testsupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "data/errorlog.h"
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
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = (fs::temp_directory_path() / ("kl_" + std::string(info->test_suite_name()) + "_" +
                                        info->name() + "_" + std::to_string(::getpid())))
              .string();
    fs::remove_all(dir);
    fs::create_directories(dir);
    platform::setProgramDirectory(dir);
    recorded() = Recorded{};
    resetErrorLog();
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

}  // namespace kl::test
