// kestralune-cli's print commands: a page drawn from a layout script, and a
// script rescaled as the print manager's double and half do.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "layout/colour.h"
#include "layout/scriptpage.h"
#include "print/paper.h"

namespace kl::cli {

// What `page`'s arguments ask for.
struct PageRequest {
    std::string script;  // "-": standard input
    std::string output;  // ends in .png or .pdf (in any case)
    bool pdf = false;
    std::optional<GregorianDate> date;  // today when not given
    std::optional<layout::ScriptPageSize> size;  // a valid page size; else the script's own
    std::optional<Rgb> background;
    bool mono = false;
    bool smooth = false;  // a PDF prints the grown, smoothed bitmap
    std::optional<print::Paper> paper;  // the locale's paper when not given
    print::Orientation orientation = print::Orientation::Auto;
    std::optional<int> margin;  // percent 0..45
};

// One of the paper's options (--paper, --orientation, --margin) at args[i],
// which `page` and `calendar` share: Taken moves i past its value, Bad puts
// the one line that says what is wrong in `err`, NotOne leaves all as it was.
enum class PaperOption { NotOne, Taken, Bad };
PaperOption takePaperOption(const std::vector<std::string>& args, std::size_t& i, std::optional<print::Paper>& paper,
                            print::Orientation& orientation, std::optional<int>& margin, std::string& err);

// The request of `page`'s arguments (after the word "page"), or nothing,
// with the one line that says what is wrong in `err`.
std::optional<PageRequest> parsePageArgs(const std::vector<std::string>& args, std::string& err);

// A script as read: its lines in UTF-8 and how to write it back.
struct ScriptText {
    std::vector<std::string> lines;
    bool cp1251 = false;  // the bytes were not UTF-8: Windows-1251, as the print manager saves
    bool crlf = false;
    bool byteOrderMark = false;  // the bytes began with the UTF-8 byte order mark
};

// The lines of a script file's bytes: a leading UTF-8 byte order mark is
// not part of them, bytes that are not UTF-8 are read as Windows-1251.
ScriptText decodeScript(std::string_view bytes);
// The bytes of the lines, in the encoding and with the line ends and byte
// order mark they came in.
std::string encodeScript(const ScriptText& script);

// True for the words this file handles ("page", "rescale").
bool isPrintCommand(const std::string& word);

// Runs `args` (the command word first). The script "-" is read from `in`.
// Answers the exit status: 0 the run ended normally, 1 it reported a
// failure (the page is still written), 2 bad usage. Needs a Qt GUI
// application (the page command draws text).
int runPrintCommand(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err);

}  // namespace kl::cli
