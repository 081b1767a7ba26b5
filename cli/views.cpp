#include "cli/views.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include <QImage>
#include <QString>

#include "cli/dayreport.h"
#include "cli/output.h"
#include "core/state.h"
#include "data/conffile.h"
#include "platform/codec.h"
#include "platform/drawingapp.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/system.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/modes.h"
#include "ui/fullscreen/viewexport.h"

namespace kl::cli {

namespace {

const char* const kRenderUsage = "usage: kestralune-cli render MODE [YYYY-MM-DD] OUT.png|OUT.jpg|OUT.bmp";
const char* const kExportUsage = "usage: kestralune-cli export MODE [YYYY-MM-DD] [--glyphs]";

std::optional<std::string> g_failure;

std::optional<int> parseMode(const std::string& text) {
    int mode = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), mode);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || mode < 0 || mode > 48)
        return std::nullopt;
    return mode;
}

// The picture format the output's extension names (letter case aside), or
// null for any other extension.
const char* pictureFormat(const std::string& name) {
    std::string ext = std::filesystem::path(name).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (ext == ".png") return "PNG";
    if (ext == ".jpg" || ext == ".jpeg") return "JPEG";
    if (ext == ".bmp") return "BMP";
    return nullptr;
}

// Sets the date on show: the given one, or today.
bool setDate(const std::optional<std::string>& arg, std::string& err) {
    GregorianDate date = platform::systemToday();
    if (arg) {
        const auto parsed = parseDate(*arg);
        if (!parsed) {
            err = "kestralune-cli: not a date (want YYYY-MM-DD, year 1 or later): " + platform::escapedControls(*arg) + "\n";
            return false;
        }
        date = *parsed;
    }
    currentDate = date;
    currentDay = computeCalendarDay(date);
    return true;
}

}  // namespace

void loadSettings(std::string& err) {
    std::string why;
    if (const int line = loadConfWithoutDialog(&why); line != 0)
        err += "kestralune-cli: conf.dat was read in part: reading stopped at line " + std::to_string(line) + " (" +
               why + "); the settings before it are used, the others keep their defaults\n";
}

bool failed(const char* what, std::string& err) {
    if (!g_failure) return false;
    err += std::string("kestralune-cli: ") + what + " failed: " + *g_failure + "\n";
    return true;
}

void recordFailure(const std::string& reportBytes) {
    if (g_failure) return;
    const std::string report = platform::fromCp1251(reportBytes);
    std::string_view rest(report);
    std::string sender, code, detail;
    bool locals = false;
    while (!rest.empty()) {
        const std::string_view line = platform::nextLine(rest);
        if (line.starts_with("ERROR SENDER:")) sender = line.substr(13);
        else if (line.starts_with("ERROR CODE:")) code = line.substr(11);
        else if (line == "LOCAL VARIABLES:") locals = true;
        else if (locals && detail.empty() && !line.empty()) detail = line;
    }
    g_failure = "error " + code + " in " + sender + (detail.empty() ? "" : " (" + detail + ")");
}

void forgetFailure() { g_failure.reset(); }

int runRender(const std::vector<std::string>& args, std::string& out, std::string& err) {
    // render MODE [DATE] OUT
    if (args.size() < 3 || args.size() > 4) {
        err = std::string(kRenderUsage) + "\n";
        return 2;
    }
    const auto mode = parseMode(args[1]);
    if (!mode) {
        err = "kestralune-cli: not a mode (want 0..48): " + platform::escapedControls(args[1]) + "\n";
        return 2;
    }
    const std::string& target = args.back();
    const char* format = pictureFormat(target);
    if (!format) {
        // "render 0 2026-12-09": the date is there, the picture's name is not.
        err = args.size() == 3 && parseDate(target) ? std::string(kRenderUsage) + "\n"
                                                    : "kestralune-cli: the picture is written as .png, .jpg or .bmp: " +
                                                          platform::escapedControls(target) + "\n";
        return 2;
    }
    if (!setDate(args.size() == 4 ? std::optional<std::string>(args[2]) : std::nullopt, err)) return 2;
    loadSettings(err);
    // What the window ends up showing: past the last help page, the first.
    paintall(shownMode(*mode), 255);
    if (failed("drawing", err)) return 1;
    // A fine JPEG; the others at their formats' defaults (for PNG a quality
    // is a compression level).
    platform::prepareImageWriter(format);
    const std::string bytes = platform::encodedImage(viewPicture().image(), format, format == std::string("JPEG") ? 90 : -1);
    if (bytes.empty()) {
        err += "kestralune-cli: cannot make the picture: " + platform::escapedControls(target) + "\n";
        return 1;
    }
    return writeOutput(target, bytes, err) ? 0 : 1;
}

int runExport(const std::vector<std::string>& args, std::string& out, std::string& err) {
    // export MODE [DATE] [--glyphs]
    std::vector<std::string> rest;
    bool glyphs = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--glyphs") glyphs = true;
        else rest.push_back(args[i]);
    }
    if (rest.empty() || rest.size() > 2) {
        err = std::string(kExportUsage) + "\n";
        return 2;
    }
    const auto mode = parseMode(rest[0]);
    const ModeEntry* entry = mode ? findMode(*mode) : nullptr;
    if (!entry || !entry->exportHeader) {
        err = "kestralune-cli: mode " + platform::escapedControls(rest[0]) + " has no export (want 0, 1, 2, 3, 4, 6, 7, 9 or 14)\n";
        return 2;
    }
    if (!setDate(rest.size() == 2 ? std::optional<std::string>(rest[1]) : std::nullopt, err)) return 2;
    loadSettings(err);
    _TEXTGRAPHIC = glyphs;
    ScriptSink sink;
    exportView(*mode, sink);
    if (failed("export", err)) return 1;
    for (const std::string& line : selfContained(sink)) out += line + "\n";
    return 0;
}

}  // namespace kl::cli
