#include "fullscreen/calendarfixture.h"

#include <filesystem>

#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/viewexport.h"
#include "ui/fullscreen/views/shine.h"

namespace kl::test {

platform::Rgb shineColour(int type) {
    return {static_cast<std::uint8_t>(250 - 10 * type), 5, static_cast<std::uint8_t>(100 + 10 * type)};
}

platform::Rgb pulseColour(int picture) {
    return {3, static_cast<std::uint8_t>(250 - 20 * picture), static_cast<std::uint8_t>(40 * picture)};
}

void CalendarTest::SetUp() {
    ViewTest::SetUp();
    writeAllSigns();
    const auto file = [](const std::string& name) { return name.substr(name.find('\\') + 1); };
    for (int type = 0; type <= 8; ++type) {
        const views::ShineFiles f = views::shineFiles(type);
        writePicture(file(f.picture), 20, 20, shineColour(type));
        writePicture(file(f.mask), 20, 20, {255, 255, 255});
    }
    const char* pulses[] = {"PulsV.bmp", "PulsW.bmp", "PulsB.bmp", "PulsY.bmp", "PulsL.bmp", "PulsR.bmp"};
    for (int i = 0; i < 6; ++i) writePicture(pulses[i], kPulseSize, kPulseSize, pulseColour(i));
    writePicture("Puls1.bmp", kPulseSize, kPulseSize, {255, 255, 255});
    pb2ys = pb2yt = 0;
}

Lines CalendarTest::script(int mode, bool glyphs) {
    _TEXTGRAPHIC = glyphs;
    ScriptSink sink;
    paintall(mode, 4, &sink);
    return selfContained(sink);
}

platform::Picture CalendarTest::draw(int mode) {
    _newstate = static_cast<std::uint8_t>(mode);
    paintall(mode, 255);
    return viewPicture();
}

int CalendarTest::count(const Lines& lines, const std::string& part) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

}  // namespace kl::test
