#include "platform/fonts.h"

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

std::vector<std::string> registerProgramFonts(const std::string& directory) {
    std::vector<std::string> problems;
    const std::string dir = resolvePath(directory);
    for (const ProgramFont& font : programFonts()) {
        const std::string path = dir + "/" + font.file;
        std::string problem;
        if (!fileExists(path)) {
            problem = "font " + std::string(font.family) + ": " + path + " is missing";
        } else {
            const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
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

bool fontFamilyAvailable(const std::string& family) {
    return QFontDatabase::hasFamily(QString::fromStdString(family));
}

}  // namespace kl::platform
