// The crash report: every protected routine reports its failure here.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace kl {

// The state of the windows that the report prints. Each window fills its own
// part through a provider; a window that does not exist yet prints these
// initial values.
struct WindowReportState {
    // Compact window
    int STATE = -101;
    int modeF = 0;
    int xm = 0;
    int ym = 0;
    int sym = 0;
    bool move = false;
    bool moved = false;
    bool closed = false;
    // Full-screen window
    int fullmodeState = -1;
    int rx = 0;
    int pb2ys = 0;
    int pb2yt = 0;
    int DOTS = 0;
    int DOTT = 0;
    int DOTC = 0;
    bool USEPB2 = false;
    bool rightallign = false;
    int _trc = 160;
    int _newstate = 0;
    int spin = 0;
    double t1 = 0;
    double t2 = 0;
    int _pfont = 255;
    std::string heldText;  // the full-screen window's text held for its mouse-move handler
    bool _Export = false;
    bool _TEXTGRAPHIC = false;
    int _expstate = 0;
    bool _teldrawed = false;
    int phx = 0;
    int phy = 0;
    bool _KIN = false;
    bool _TONE = false;
    bool _GUIDE = false;
    bool _ANALOG = false;
    bool _ANTIPOD = false;
    bool _ATEACHER = false;
    bool _PLASM = false;
};

using ReportProvider = std::function<void(WindowReportState&)>;
// Registers a provider under a key (a window's name); a second call with
// the same key replaces it, an empty provider removes it.
void setReportProvider(const std::string& key, ReportProvider provider);

// The way the program registers a provider: for as long as the section
// lives. A file's own state holds one at namespace scope for the whole run;
// a window holds one as its last member, so its provider is gone before the
// members it reads.
class ReportSection {
public:
    ReportSection(std::string key, ReportProvider provider);
    ~ReportSection();
    ReportSection(const ReportSection&) = delete;
    ReportSection& operator=(const ReportSection&) = delete;

private:
    std::string key_;
};

using Details = std::array<std::string, 10>;

// The 97 lines of the report, in order (UTF-8, without line ends).
std::array<std::string, 97> buildErrorReport(int code, const std::string& sender, const Details& d);

// Reports a failure: writes the report on the first failure of the run,
// shows "ERROR! ERROR CODE:" + code, and answers whether the caller must end
// the program (true). When the report cannot be written it shows the fatal
// message, ends the program at once and answers false.
bool writeerror(int code, const std::string& sender, const Details& details = {});

// As writeerror, but shows no message: for a caller that reports many
// failures of one run and then shows one message for all of them. Answers
// false when the report could not be written (the fatal path has then run).
bool logerror(int code, const std::string& sender, const Details& details = {});

// Replaces where the first report of a run goes (its Windows-1251 bytes);
// the sink answers whether it kept them. An empty sink restores the numbered
// report files beside the program.
using ReportSink = std::function<bool(const std::string& bytes)>;
void setReportSink(ReportSink sink);

// Reports a failure and asks the application to end when the answer is yes.
void reportFailure(int code, const std::string& sender, const Details& details = {});

// True once the first report of the run has begun.
bool logWritten();
// Counts the report as written without writing one: later failures of the
// run show their message only. For failures that need no report file.
void markLogWritten();
// Forgets that a report was written (tests only).
void resetErrorLog();

// The start-up write-access check.
void setattributes();

}  // namespace kl
