// Helpers of the shipped-text tests: the run directory's files read as the
// program reads them, and text widths in the fonts the windows draw with.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <string>
#include <vector>

#include "data/language.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace kl::test {

// All lines of a shipped file (UTF-8), split as the program splits them.
inline std::vector<std::string> shippedLines(const std::string& name) {
    std::string bytes;
    if (!platform::readFileBytes(std::string(KL_SHIPPED_DIR) + "/" + name, bytes)) return {};
    std::vector<std::string> lines;
    std::string_view rest(bytes);
    while (!rest.empty()) lines.push_back(platform::fromCp1251(platform::nextLine(rest)));
    return lines;
}

// The lines of a text file in the language the texts are read in now.
inline std::vector<std::string> shippedTextLines(const std::string& name) {
    return shippedLines(std::string(languageFolder(textLanguage())) + name);
}

inline int textWidth(const std::string& text, const char* face, int pixels, bool bold) {
    QFont f(face);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return QFontMetrics(f).horizontalAdvance(QString::fromStdString(text));
}

// The compact face's font 1 and 2, the view's presets 2 and 5.
inline int faceFont1(const std::string& t) { return textWidth(t, "Arial", 12, true); }
inline int faceFont2(const std::string& t) { return textWidth(t, "Arial", 13, true); }
inline int preset2(const std::string& t) { return textWidth(t, "Arial", 13, true); }
inline int preset5(const std::string& t) { return textWidth(t, "Verdana", 13, true); }

// Words as the case patterns count them: a word begins at the first
// character and after every space.
inline std::size_t patternWords(const std::string& text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 0 || text[i - 1] == ' ') ++n;
    return n;
}

// A text a reader sees as cleanly spaced: no leading, trailing or doubled
// space and no space before a punctuation mark.
inline bool cleanSpacing(const std::string& t) {
    if (t.empty()) return true;
    if (t.front() == ' ' || t.back() == ' ' || t.find("  ") != std::string::npos) return false;
    for (const char* p : {" ,", " .", " :", " ;", " !", " ?"})
        if (t.find(p) != std::string::npos) return false;
    return true;
}

// Widest text a view can centre on its line x = 299 inside 670 pixels.
constexpr int kCentredViewWidth = 2 * 299;

}  // namespace kl::test
