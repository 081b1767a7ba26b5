// Icons of the button strips: one small line drawing per command or view.
#pragma once

#include "tools/picgen/buttons.h"

namespace kl::picgen {

enum class Icon {
    FullScreen, Close,
    Day, Tone, Seal, Plasma, Oracle, MoonMonth, Tzolkin, Wavespell, Pulsars, Year, Week, Wings,
    Telektonon, Book, Printer, Help,
    FitPage, ZoomIn, ZoomOut, HalvePage, DoublePage, BlackWhite, Smooth, Setup, ActualSize, Repaint,
    Open, Save, NewText, NewFont, NewImage, NewMoon, Add, CreativeMode, EasyMode, YearCalendar,
};

IconPainter iconPainter(Icon icon);

// The application icon: the face's pyramid emblem on night blue.
QImage applicationIcon(int size);

}  // namespace kl::picgen
