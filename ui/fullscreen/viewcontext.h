// Everything a view renderer is given: the canvas to draw on, the day on
// show with its relations, the settings the views read and the window's
// hooks. The year view's work picture is the canvas's scratch.
#pragma once

#include "core/calendar.h"
#include "core/kin.h"
#include "data/settings.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl {

struct ViewContext {
    ViewCanvas& canvas;
    int mode;                    // the mode being drawn (not necessarily the one requested)
    GregorianDate date;          // currentDate
    CalendarDay day;             // currentDay
    KinRelations relations;      // of currentDay
    const Settings& settings;    // the program's settings (data/settings.h)
    DispatcherHooks& hooks;
};

}  // namespace kl
