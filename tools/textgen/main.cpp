// textgen SOURCE_DIR SHIPPED_DIR REVIEW_DIR
// Writes the shipped text files from their UTF-8 sources and exits non-zero,
// failing the build, when a source is malformed (see textsource.h).
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tools/textgen/figures.h"
#include "tools/textgen/review.h"
#include "tools/textgen/textsource.h"

namespace fs = std::filesystem;
using kl::textgen::SourceText;

namespace {

std::vector<std::string> g_errors;

// Reads one source; `exactLines` > 0 demands that many lines, `minLines` at
// least that many (missing trailing entries are padded with empty lines).
std::vector<std::string> loadSource(const fs::path& path, std::size_t minLines, std::size_t exactLines) {
    std::string bytes;
    if (!kl::platform::readFileBytes(path.string(), bytes)) {
        g_errors.push_back(path.string() + ": cannot read");
        return {};
    }
    SourceText src = kl::textgen::parseSource(bytes, path.filename().string());
    for (auto& e : src.errors) g_errors.push_back(e);
    if (exactLines && src.lines.size() > exactLines)
        g_errors.push_back(path.filename().string() + ": " + std::to_string(src.lines.size()) +
                           " lines, the program reads " + std::to_string(exactLines));
    const std::size_t want = std::max(minLines, exactLines);
    if (src.lines.size() < want) src.lines.resize(want);
    return src.lines;
}

void ship(const fs::path& runDir, const std::string& name, const std::vector<std::string>& lines) {
    if (!kl::platform::writeFileAtomic((runDir / name).string(), kl::textgen::encodeShipped(lines)))
        g_errors.push_back((runDir / name).string() + ": cannot write");
}

// The texts of one language, as the program reads them.
struct TextSet {
    std::vector<std::string> base, dayInfo, toneInfo, plasmaInfo;
    std::vector<std::vector<std::string>> help;
};

TextSet loadTexts(const fs::path& src) {
    TextSet t;
    // The text database: every line the windows read, 0..668 and beyond.
    t.base = loadSource(src / "base.txt", 669, 0);
    // Description pages: 17 lines per seal and per tone, 5 per plasma.
    t.dayInfo = loadSource(src / "dayinfo.txt", 0, 20 * 17);
    t.toneInfo = loadSource(src / "toneinfo.txt", 0, 13 * 17);
    t.plasmaInfo = loadSource(src / "plasminfo.txt", 0, 7 * 5);

    // Help pages hlp1 .. hlpN, numbered without gaps; a page shows 32 lines.
    const fs::path help = src / "help";
    for (int n = 1; fs::exists(help / ("hlp" + std::to_string(n) + ".txt")); ++n)
        t.help.push_back(loadSource(help / ("hlp" + std::to_string(n) + ".txt"), 0, 32));
    if (fs::is_directory(help))
        for (const auto& entry : fs::directory_iterator(help)) {
            const std::string name = entry.path().filename().string();
            const std::string stem = entry.path().stem().string();
            bool counted = false;
            for (std::size_t n = 1; n <= t.help.size(); ++n) counted = counted || stem == "hlp" + std::to_string(n);
            if (!counted) g_errors.push_back(help.string() + "/" + name + ": not part of the numbered run hlp1.." +
                                             std::to_string(t.help.size()));
        }
    if (t.help.empty()) g_errors.push_back(help.string() + ": no page hlp1.txt");
    return t;
}

void shipTexts(const fs::path& runDir, const TextSet& t) {
    ship(runDir, "BASE.DRS", t.base);
    ship(runDir, "DAYINFO.drs", t.dayInfo);
    ship(runDir, "TONEINFO.drs", t.toneInfo);
    ship(runDir, "PLASMINFO.drs", t.plasmaInfo);
    for (std::size_t n = 0; n < t.help.size(); ++n) ship(runDir, "hlp" + std::to_string(n + 1) + ".dat", t.help[n]);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: textgen SOURCE_DIR SHIPPED_DIR REVIEW_DIR\n");
        return 2;
    }
    // Absolute, since the file layer resolves relative names below the
    // program directory, which the review points at the shipped directory.
    const fs::path src = fs::absolute(argv[1]), run = fs::absolute(argv[2]), review = fs::absolute(argv[3]);
    fs::create_directories(run);
    fs::create_directories(review);

    const TextSet russian = loadTexts(src);
    // The English set (sources in en/) ships into the folder en/ of the
    // program directory with the same file names and line layout. The
    // settings count the help pages once, so both sets have as many.
    const bool english = fs::is_directory(src / "en");
    TextSet en;
    if (english) {
        en = loadTexts(src / "en");
        if (en.help.size() != russian.help.size())
            g_errors.push_back("en/help: " + std::to_string(en.help.size()) + " pages, the Russian set has " +
                               std::to_string(russian.help.size()));
    }

    // First-run settings: 14 lines from the source, then the number of help
    // pages, so that a new user can page through all of them.
    auto conf = loadSource(src / "conf.txt", 14, 14);
    conf.push_back(std::to_string(russian.help.size()));
    const auto windows = loadSource(src / "windwhp.txt", 9, 9);

    if (!g_errors.empty()) {
        for (const auto& e : g_errors) std::fprintf(stderr, "textgen: %s\n", e.c_str());
        return 1;
    }

    shipTexts(run, russian);
    if (english) {
        fs::create_directories(run / "en");
        shipTexts(run / "en", en);
    }
    ship(run, "izinfo.dat", kl::textgen::izinfoLines());
    ship(run, "iznum.drs", kl::textgen::iznumLines());
    // The first-run settings; the build puts them beside the program only
    // where the user has none yet.
    ship(run, "conf.dat", conf);
    ship(run, "WindWHP.dat", windows);

    if (g_errors.empty() && !kl::textgen::writeReview(run.string(), (review / "kins.txt").string()))
        g_errors.push_back("review/kins.txt: cannot write");
    for (const auto& e : g_errors) std::fprintf(stderr, "textgen: %s\n", e.c_str());
    return g_errors.empty() ? 0 : 1;
}
