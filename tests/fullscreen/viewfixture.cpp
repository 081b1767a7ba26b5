#include "fullscreen/viewfixture.h"

#include <filesystem>

#include "core/state.h"
#include "data/settings.h"
#include "layout/signtable.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/renderstate.h"
#include "ui/fullscreen/viewexport.h"

namespace kl::test {

platform::Rgb signColour(int code) {
    return {static_cast<std::uint8_t>(40 + code % 200), static_cast<std::uint8_t>(20 + (code * 7) % 200),
            static_cast<std::uint8_t>(60 + (code * 13) % 190)};
}

platform::Rgb pieceColour(const std::string& file) {
    unsigned h = 7;
    for (char c : file) h = h * 31 + static_cast<unsigned char>(c);
    return {static_cast<std::uint8_t>(30 + h % 200), static_cast<std::uint8_t>(30 + (h / 200) % 200),
            static_cast<std::uint8_t>(30 + (h / 40000) % 200)};
}

void ViewTest::SetUp() {
    ProgramDirTest::SetUp();
    resetSettings();
    settings()._signfont = "KSIGN";
    _newstate = 0;
    spin = 0;
    _expstate = 0;
    _TEXTGRAPHIC = true;
    _pfont = 255;
    USEPB2 = false;
    rightallign = false;
    writeDatabase();
    std::vector<std::string> tone, seal, plasma, help;
    for (int i = 0; i < 13 * 17; ++i) tone.push_back("T" + std::to_string(i));
    for (int i = 0; i < 20 * 17; ++i) seal.push_back("D" + std::to_string(i));
    for (int i = 0; i < 7 * 5; ++i) plasma.push_back("P" + std::to_string(i));
    for (int i = 0; i < 32; ++i) help.push_back("H" + std::to_string(i));
    writeLines("TONEINFO.drs", tone);
    writeLines("DAYINFO.drs", seal);
    writeLines("PLASMINFO.drs", plasma);
    writeLines("hlp1.dat", help);
    // Figures: every week of year index r has the figure "101100 " + (r + 1).
    std::vector<std::string> figures;
    for (int r = 0; r < 17; ++r)
        for (int w = 1; w <= 52; ++w) figures.push_back("101100 " + std::to_string(r + 1));
    writeLines("izinfo.dat", figures);
    writeLines("iznum.drs", {"000000 1", "101100 42"});
    setDate(2026, 12, 8);
}

void ViewTest::TearDown() {
    _TEXTGRAPHIC = true;
    setViewPictureSet(1);
    ProgramDirTest::TearDown();
}

void ViewTest::writeDatabase(const std::map<int, std::string>& overrides) {
    std::vector<std::string> lines;
    for (int i = 0; i < 669; ++i) {
        const auto it = overrides.find(i);
        lines.push_back(it != overrides.end() ? it->second : "L" + std::to_string(i));
    }
    writeLines("BASE.DRS", lines);
}

void ViewTest::writePicture(const std::string& name, int w, int h, platform::Rgb fill) {
    std::filesystem::create_directories(path("graphic"));
    platform::Picture(w, h, fill).save(path("graphic/" + name));
}

void ViewTest::writeSign(int code, platform::Rgb fill) {
    const std::string file = layout::signFileName(code);
    layout::PicSize size = layout::signPictureSize(code);
    if (size.w == 0) size = {40, 40};
    platform::Picture p(size.w, size.h, layout::signKeyColor(code));
    for (int y = 1; y + 1 < size.h; ++y)
        for (int x = 1; x + 1 < size.w; ++x) p.setPixel(x, y, fill);
    std::filesystem::create_directories(path("graphic"));
    p.save(path("graphic/" + file.substr(file.find('\\') + 1)));
}

void ViewTest::writeAllSigns() {
    for (int code = 0; code <= 442; ++code)
        if (!layout::signFileName(code).empty()) writeSign(code, signColour(code));
    writePicture("moon.bmp", 60, 60, {220, 220, 200});
}

void ViewTest::writeTelektononPieces() {
    std::vector<std::string> pieces{"tlcr", "tlpyrG", "tlpyrR", "tlpyrW", "tlpyrB", "tlpyrY"};
    for (char turtle : {'Y', 'W', 'G'})
        for (char facing : {'0', '1', '2', '3'}) pieces.push_back(std::string("tr") + turtle + facing);
    for (const std::string& p : pieces) writePicture(p + ".bmp", 33, 33, pieceColour("graphic\\" + p + ".bmp"));
    for (const char* p : {"tlstB", "tlstW"}) writePicture(std::string(p) + ".bmp", 20, 20, pieceColour(std::string("graphic\\") + p + ".bmp"));
    for (const char* m : {"tlcrA", "tlpyrA", "trA0", "trA1", "trA2", "trA3"}) writePicture(std::string(m) + ".bmp", 33, 33, {255, 255, 255});
    writePicture("tlstA.bmp", 20, 20, {255, 255, 255});
}

void ViewTest::setDate(int year, int month, int day) {
    currentDate = GregorianDate{static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), 0, year};
    currentDay = computeCalendarDay(currentDate);
}

std::vector<std::string> ViewTest::exportLines(int mode, bool glyphs) {
    _TEXTGRAPHIC = glyphs;
    ScriptSink sink;
    exportView(mode, sink);
    return selfContained(sink);
}

}  // namespace kl::test
