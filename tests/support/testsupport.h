// Shared test fixtures: a temporary program directory, and recorders for the
// message boxes, termination requests and error reports of the code under test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kl::test {

// Installs recorders for messages and termination for the whole run.
class HeadlessEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};

struct Recorded {
    std::vector<std::string> messages;
    int terminateRequests = 0;
    int halts = 0;
};
Recorded& recorded();

// A fresh program directory per test: created empty, made the program
// directory, removed afterwards. Records are cleared and the error log is
// reset, so every test starts as a new run.
class ProgramDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string path(const std::string& name) const;
    void writeFile(const std::string& name, const std::string& bytes) const;
    std::string readFile(const std::string& name) const;
    // Writes a UTF-8 list of lines as a Windows-1251 file with CR LF ends.
    void writeLines(const std::string& name, const std::vector<std::string>& lines) const;
    std::string dir;
private:
    std::string previousDir;
};

}  // namespace kl::test
