// The print manager's texts: captions and instructions read from BASE.DRS
// when the window is shown. Lines are named by what they label.
#pragma once

#include <array>
#include <string>

namespace kl::print {

namespace captionline {
inline constexpr int kCanvasWidth = 484, kCanvasHeight = 485, kBackground = 486;
inline constexpr int kNewImage = 487, kNewText = 488, kNewFont = 489;
inline constexpr int kZoomIn = 490;  // shown larger: the zoom divided by 1.414
inline constexpr int kIdle = 491, kTypeText = 492, kClickPlace = 493;
inline constexpr int kAdd = 494, kConfirmText = 495, kConfirmPlace = 496;
inline constexpr int kLoad = 497, kSave = 498, kShow = 499, kPrint = 500;
inline constexpr int kPrintingScript = 503, kSetup = 504, kSmooth = 505, kResolution = 506;
inline constexpr int kDouble = 507, kHalve = 508, kZoom = 509;
inline constexpr int kZoomOut = 510;  // shown smaller: the zoom multiplied by 1.414
inline constexpr int kExportLabel = 511, kTextMode = 512, kSample = 513, kNewMoon = 514;
inline constexpr int kMargin = 515, kPortrait = 516, kLandscape = 517, kSetupTitle = 518, kTitle = 519;
inline constexpr int kMoonPhase = 520, kMoonLook = 521, kConfirmPhase = 522, kMoonSize = 523;
// The export buttons, in the order day, tone, seal, plasma, oracle, wave,
// moon, year, book of kins.
inline constexpr std::array<int, 9> kExports{628, 629, 630, 631, 632, 635, 634, 633, 649};
inline constexpr int kCreativeMode = 646, kEasyMode = 647, kFitToPaper = 648;
inline constexpr int kMonoOff = 650, kMonoOn = 651, kYearCalendar = 652;
}  // namespace captionline

// The 56 caption lines: 484..524, 628..635 and 646..652.
class PrintCaptions {
public:
    static constexpr int kCount = 56;
    // Reads them from BASE.DRS; a line that cannot be read stays empty.
    void load();
    // The text of BASE.DRS line `line` (one of the 56), or `fallback`
    // when it is empty or not one of them.
    std::string text(int line, const char* fallback = "") const;
    // The index 0..55 of a caption line, -1 for any other line.
    static int indexOf(int line);

private:
    std::array<std::string, kCount> entries_{};
};

}  // namespace kl::print
