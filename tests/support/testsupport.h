// Shared test fixtures: a temporary program directory, and recorders for the
// message boxes, termination requests and error reports of the code under test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/language.h"

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
    // Puts a file under the name that is there but cannot be read: without
    // read permission, or, for a user whom permissions do not stop, a link
    // to a file whose reading fails.
    void writeUnreadable(const std::string& name) const;
    // Sets the file's modification time `seconds` back from now (files
    // written within the last second are never trusted by the caches).
    void backdate(const std::string& name, int seconds) const;
    // Rewrites the file in place with other bytes of the same length and
    // gives it back its time: to the program it looks untouched.
    void rewriteUnseen(const std::string& name, const std::string& bytes) const;
    std::string dir;
private:
    std::string previousDir;
};

// Lets no file of this process grow beyond `bytes` while it lives, as a full
// disk would: writes past the limit fail. Each such write raises a signal,
// which is counted instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    // Writes refused so far.
    int refusedWrites() const;
private:
    unsigned long previousSoft_;
    void (*previousHandler_)(int);
};

// Texts are read in `language` while this lives; the language before comes back.
class TextLanguageScope {
public:
    explicit TextLanguageScope(Language language) : previous_(textLanguage()) { setTextLanguage(language); }
    ~TextLanguageScope() { setTextLanguage(previous_); }
    TextLanguageScope(const TextLanguageScope&) = delete;
    TextLanguageScope& operator=(const TextLanguageScope&) = delete;
private:
    Language previous_;
};

// Both shipped languages, for tests that run once in each ("Russian", "English").
inline const auto kBothLanguages = ::testing::Values(Language::Russian, Language::English);
inline std::string languageTestName(const ::testing::TestParamInfo<Language>& info) {
    return info.param == Language::Russian ? "Russian" : "English";
}

}  // namespace kl::test
