#include "print/windowsizes.h"

#include <algorithm>
#include <array>

#include "platform/files.h"
#include "print/script.h"

namespace kl::print {

WindowSizesRead parseWindowSizes(std::string_view bytes, const WindowSizes& defaults) {
    WindowSizesRead read;
    read.sizes = defaults;
    WindowSizes& s = read.sizes;
    const std::array<int*, 8> numbers{&s.width, &s.height, &s.left, &s.top,
                                      &s.setupLeft, &s.setupTop, &s.configLeft, &s.configTop};
    const auto fail = [&read](int line, std::string problem) {
        if (read.badLine == 0) {
            read.badLine = line;
            read.problem = std::move(problem);
        }
    };
    for (int i = 0; i < kWindowSizesLines; ++i) {
        if (bytes.empty()) {
            fail(i + 1, "the file ends before line " + std::to_string(i + 1));
            break;
        }
        const std::string_view line = platform::nextLine(bytes);
        if (i == kWindowSizesLines - 1) {
            s.easyMode = line == "1";
            break;
        }
        if (const auto n = parseNumber(line)) *numbers[static_cast<std::size_t>(i)] = *n;
        else fail(i + 1, "line " + std::to_string(i + 1) + " is not a number: " + std::string(line.substr(0, 40)));
    }
    return read;
}

std::string windowSizesBytes(const WindowSizes& s) {
    std::string out;
    for (const int v : {s.width, s.height, s.left, s.top, s.setupLeft, s.setupTop, s.configLeft, s.configTop})
        out += std::to_string(v) + "\r\n";
    out += s.easyMode ? "1\r\n" : "0\r\n";
    return out;
}

Rect clampWindow(Rect w, const Rect& screen, int minWidth, int minHeight) {
    w.width = std::max(std::min(w.width, screen.width), minWidth);
    w.height = std::max(std::min(w.height, screen.height), minHeight);
    // A window larger than the screen (its minimum) starts at the screen's corner.
    w.left = std::max(std::min(w.left, screen.left + screen.width - w.width), screen.left);
    w.top = std::max(std::min(w.top, screen.top + screen.height - w.height), screen.top);
    return w;
}

}  // namespace kl::print
