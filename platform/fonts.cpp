#include "platform/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "platform/files.h"

namespace kl::platform {

const std::vector<ProgramFont>& programFonts() {
    static const std::vector<ProgramFont> fonts = {
        {kSignFontFamily, "kestralune-signs.ttf"},
        {"VIREV2", "virev2.ttf"},
        {"RURAZO", "rurazo.ttf"},
        {"Vod 7777 urer", "vod7777urer.ttf"},
        {"ZOVADIRIVAV", "zovadirivav.ttf"},
        {"KESTRALUNE2x", "kestralune2x.ttf"},
    };
    return fonts;
}

namespace {

// Registers `fonts` from `directory`; the problems, each also a line on stderr.
std::vector<std::string> registerFonts(const std::string& directory, const std::vector<ProgramFont>& fonts) {
    std::vector<std::string> problems;
    const std::string dir = resolvePath(directory);
    for (const ProgramFont& font : fonts) {
        const std::string path = dir + "/" + font.file;
        std::string problem;
        if (!fileExists(path)) {
            problem = "font " + std::string(font.family) + ": " + path + " is missing";
        } else if (std::string bytes; !readFileBytes(path, bytes)) {
            problem = "font " + std::string(font.family) + ": " + path + " cannot be read";
        } else {
            // From the bytes read here: the font system then draws from them
            // and never opens the file a second time.
            const int id = QFontDatabase::addApplicationFontFromData(QByteArray(bytes.data(), qsizetype(bytes.size())));
            const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
            if (id < 0) problem = "font " + std::string(font.family) + ": " + path + " cannot be read";
            else if (!families.contains(QString::fromUtf8(font.family)))
                problem = "font " + std::string(font.family) + ": " + path + " holds another family";
        }
        if (!problem.empty()) {
            std::fprintf(stderr, "%s; the face falls back to a substitute\n", problem.c_str());
            problems.push_back(problem);
        }
    }
    return problems;
}

}  // namespace

std::vector<std::string> registerProgramFonts(const std::string& directory) {
    return registerFonts(directory, programFonts());
}

std::vector<std::string> registerSignFont(const std::string& directory) {
    return registerFonts(directory, {programFonts().front()});
}

bool fontFamilyAvailable(const std::string& family) {
    return QFontDatabase::hasFamily(QString::fromStdString(family));
}

}  // namespace kl::platform
