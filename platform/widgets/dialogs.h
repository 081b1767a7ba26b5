// The common dialogs: open and save file, font, colour, a question, and the
// printer's print dialog. Each one goes through a handler that tests replace
// (as they replace the message box), so no headless run ever waits for a
// user. Without a handler the desktop's dialog is shown.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "layout/colour.h"

class QPrinter;
class QWidget;

namespace kl::platform {

// A file dialog. Filters are (description, patterns) pairs such as
// {"Scripts", "*.spt"}; defaultFilter counts from 1 as the user sees them.
struct FileRequest {
    enum class Kind { Open, OpenPicture, Save, SavePicture };
    Kind kind = Kind::Open;
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters;
    int defaultFilter = 1;
    std::string defaultSuffix;  // without the dot, e.g. "spt"
};
struct FileChoice {
    std::string path;     // UTF-8, absolute
    int filterIndex = 1;  // the filter chosen, counted from 1
};
// The chosen file, or nullopt when the dialog was cancelled.
std::optional<FileChoice> askFile(const FileRequest& request);
using FileHandler = std::function<std::optional<FileChoice>(const FileRequest&)>;
FileHandler setFileHandler(FileHandler handler);  // returns the previous one

// A font with its colour, as a font dialog answers.
struct FontChoice {
    std::string face;
    int pointSize = 12;
    int height = -16;  // pixels; negative: the character height at 96 dots per inch
    bool bold = false;
    bool italic = false;
    Rgb colour{};
};
std::optional<FontChoice> askFont(const FontChoice& initial);
using FontHandler = std::function<std::optional<FontChoice>(const FontChoice&)>;
FontHandler setFontHandler(FontHandler handler);

std::optional<Rgb> askColour(Rgb initial, const std::string& title);
using ColourHandler = std::function<std::optional<Rgb>(Rgb, const std::string&)>;
ColourHandler setColourHandler(ColourHandler handler);

// A question with the buttons Yes, No and Cancel (Cancel also when the
// dialog is closed), over the window `over` (else the active window).
enum class Answer { Yes, No, Cancel };
Answer askQuestion(const std::string& text, QWidget* over = nullptr);
using QuestionHandler = std::function<Answer(const std::string&)>;
QuestionHandler setQuestionHandler(QuestionHandler handler);

// The print dialog for `printer`: the user picks the printer (or a PDF
// file), the orientation and the copies. True when the user accepted.
bool askPrint(QPrinter& printer);
using PrintHandler = std::function<bool(QPrinter&)>;
PrintHandler setPrintHandler(PrintHandler handler);

// The character height in pixels of a point size on the page (96 dots per
// inch, as a negative font height).
int heightOfPoints(int pointSize);

}  // namespace kl::platform
