#include "data/errorlog.h"

#include <map>
#include <stdexcept>
#include <sstream>

#include "core/state.h"
#include "data/settings.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/system.h"

namespace kl {

namespace {

bool g_logWritten = false;
ReportSink g_sink;

// Writes the report as "errorlog" + N + ".err" with the smallest free N.
// Names in use (older reports, but also a directory or a link that leads
// nowhere) are passed over; a name that cannot be created for another
// reason (a full disk, a directory that refuses) is tried a few times at
// most, so a report that cannot be written is given up on, not retried
// without end.
bool writeReportFile(const std::string& bytes) {
    constexpr int kMaxFailures = 3;
    int failures = 0;
    for (int n = 1; n < 1'000'000 && failures < kMaxFailures; ++n) {
        const std::string name = "errorlog" + std::to_string(n) + ".err";
        if (platform::nameInUse(name)) continue;
        switch (platform::createNewFile(name, bytes)) {
            case platform::NewFile::Created: return true;
            case platform::NewFile::NameTaken: break;  // made by someone else meanwhile
            case platform::NewFile::Failed: ++failures; break;
        }
    }
    return false;
}

std::map<std::string, ReportProvider>& providers() {
    static std::map<std::string, ReportProvider> map;
    return map;
}

std::string num(long long v) { return std::to_string(v); }
std::string flag(bool b) { return b ? "Y" : "N"; }
std::string fraction(double v) {
    std::ostringstream s;
    s.precision(10);
    s << v;
    return s.str();
}

const char* const kFatalMessage = "FATAL ERROR! FILE ACCESS LOCKED! PROGRAMM WILL BE CLOSED.";

}  // namespace

void setReportProvider(const std::string& key, ReportProvider provider) {
    if (provider) providers()[key] = std::move(provider);
    else providers().erase(key);
}

ReportSection::ReportSection(std::string key, ReportProvider provider) : key_(std::move(key)) {
    setReportProvider(key_, std::move(provider));
}

ReportSection::~ReportSection() { setReportProvider(key_, {}); }

std::array<std::string, 97> buildErrorReport(int code, const std::string& sender, const Details& d) {
    WindowReportState w;
    for (auto& [key, provide] : providers()) provide(w);
    const Settings& set = settings();
    const GregorianDate& g = currentDate;
    const GregorianDate& t = todayDate;
    const CalendarDay& m = currentDay;
    return {"ERROR LOG", " ", "DATE & TIME:", platform::shortDateText(), platform::longTimeText(),
            " ", "GREGORIAN SYSTEM:", "DAY:" + num(g.day), "MONTH:" + num(g.month),
            "YEAR:" + num(g.year), "WEEK DAY:" + num(g.weekDay), " ", "GREGORIAN TODAY:",
            "DAY:" + num(t.day), "MONTH:" + num(t.month), "YEAR:" + num(t.year),
            "WEEK DAY:" + num(t.weekDay), " ", "MAYAN SYSTEM:", "KIN:" + num(m.kin),
            "YEAR SIGN:" + num(m.yearSign), "YEAR TONE:" + num(m.yearTone),
            "CROMATIC:" + num(m.cromatic), "VINAL:" + num(m.vinal),
            "VINAL TONE:" + num(m.vinalTone), "WEEK NUMBER:" + num(m.weekNumber),
            "SIGN:" + num(m.sign), "TONE:" + num(m.tone), "PLASMA:" + num(m.plasma),
            "MONTH DAY:" + num(m.monthDay), "MONTH:" + num(m.month),
            "MOON PHASE:" + num(m.moonPhase), " ", "ERROR SENDER:" + sender,
            "ERROR CODE:" + num(code), " ", "SYSTEM VARIABLES:", "STATE:" + num(w.STATE),
            "modeF:" + num(w.modeF), "xm:" + num(w.xm), "ym:" + num(w.ym), "sym:" + num(w.sym),
            "move:" + flag(w.move), "moved:" + flag(w.moved), "closed:" + flag(w.closed), " ",
            "FULLMODE PARAMETERS:", "FULLMODE STATE:" + num(w.fullmodeState), "rx:" + num(w.rx),
            "rx:" + num(w.rx), "pb2ys:" + num(w.pb2ys), "pb2yt:" + num(w.pb2yt),
            "DOTS:" + num(w.DOTS), "DOTT:" + num(w.DOTT), "DOTC:" + num(w.DOTC),
            "USEPB2:" + flag(w.USEPB2), "rightallign:" + flag(w.rightallign),
            "_trc:" + num(w._trc), "_newstate:" + num(w._newstate), "spin:" + num(w.spin),
            "t1:" + fraction(w.t1), "t2:" + fraction(w.t2), "_pfont:" + num(w._pfont),
            "_Yline:" + flag(set._Yline), "_Yshine:" + flag(set._Yshine), "_Yfigure:" + flag(set._Yfigure),
            "_Sfigure:" + flag(set._Sfigure), set._signfont, "_SFX:" + flag(set._SFX), w.heldText,
            "_spconst:" + num(set._spconst), "_Swapbtn:" + flag(set._Swapbtn),
            "_Export:" + flag(w._Export), "_TEXTGRAPHIC:" + flag(w._TEXTGRAPHIC),
            "_expstate:" + num(w._expstate), "_teldrawed:" + flag(w._teldrawed),
            "phx:" + num(w.phx), "phy:" + num(w.phy), "_KIN:" + flag(w._KIN),
            "_TONE:" + flag(w._TONE), "_GUIDE:" + flag(w._GUIDE), "_ANALOG:" + flag(w._ANALOG),
            "_ANTIPOD:" + flag(w._ANTIPOD), "_ATEACHER:" + flag(w._ATEACHER),
            "_PLASM:" + flag(w._PLASM), " ", "LOCAL VARIABLES:", d[0], d[1], d[2], d[3], d[4],
            d[5], d[6], d[7], d[8], d[9]};
}

namespace {

// The last resort when not even the report can be written or shown: the
// fatal message, then the process ends. Answers false for the caller.
bool haltWithFatalMessage() {
    try {
        platform::showMessage(kFatalMessage);
    } catch (...) {
    }
    platform::haltNow();
    return false;
}

}  // namespace

bool logerror(int code, const std::string& sender, const Details& details) {
    try {
        if (!g_logWritten) {
            g_logWritten = true;
            std::string bytes;
            for (const std::string& line : buildErrorReport(code, sender, details))
                bytes += platform::toCp1251(line) + "\r\n";
            const bool written = g_sink ? g_sink(bytes) : writeReportFile(bytes);
            if (!written) throw std::runtime_error("report not written");
        }
        return true;
    } catch (...) {
        return haltWithFatalMessage();
    }
}

bool writeerror(int code, const std::string& sender, const Details& details) {
    if (!logerror(code, sender, details)) return false;
    try {
        platform::showMessage("ERROR! ERROR CODE:" + std::to_string(code));
        return true;
    } catch (...) {
        return haltWithFatalMessage();
    }
}

void reportFailure(int code, const std::string& sender, const Details& details) {
    if (writeerror(code, sender, details)) platform::requestTerminate();
}

void setReportSink(ReportSink sink) { g_sink = std::move(sink); }

bool logWritten() { return g_logWritten; }
void markLogWritten() { g_logWritten = true; }
void resetErrorLog() { g_logWritten = false; }

void setattributes() {
    try {
        int sum = 0;
        for (const char* name : {"conf.dat", "HRCT.dat", "RGNS.dat", "tech.dat", "WindWHP.dat"}) {
            if (platform::fileExists(name) && platform::isReadOnly(name))
                sum += platform::clearReadOnly(name);
        }
        if (sum != 0)
            writeerror(114, "Runing from CD! Write process not allowed!", {"Write access denied!"});
    } catch (...) {
        reportFailure(114, "Runing from CD! Write process not allowed!", {"Write access denied!"});
    }
}

}  // namespace kl
