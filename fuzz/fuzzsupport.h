// What every fuzz target shares: a private program directory, a run that
// never blocks on a message box or writes an error report, and a check that
// turns a broken promise into a crash the fuzzer keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kl::fuzz {

// Replaces the message box, the termination requests and the error report
// sink by counters, and makes a fresh temporary directory the program
// directory (removed at exit). Call once, from LLVMFuzzerInitialize.
void setUpHeadless();

// Messages shown and termination requests made since the last reset.
struct Counts {
    int messages = 0;
    int terminateRequests = 0;
    int reports = 0;
};
Counts& counts();
// Clears the counts and forgets the error report of the previous input, so
// every input runs as the first failure of a fresh run.
void startInput();

// Writes or removes a file of the program directory.
void putFile(const std::string& name, std::string_view bytes);
void removeFile(const std::string& name);
std::string readBack(const std::string& name);

std::string_view asText(const std::uint8_t* data, std::size_t size);

[[noreturn]] void fail(const char* file, int line, const char* what);

}  // namespace kl::fuzz

#define KL_FUZZ_CHECK(cond) \
    do { \
        if (!(cond)) ::kl::fuzz::fail(__FILE__, __LINE__, #cond); \
    } while (0)
