// Everything a view renderer is given: the canvas to draw on, the day on
// show with its relations, the settings the views read, the scratch picture
// and the window's hooks.
#pragma once

#include "core/calendar.h"
#include "core/kin.h"
#include "data/settings.h"
#include "platform/picture.h"
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
    platform::Picture& scratch;  // work picture of the year view
    DispatcherHooks& hooks;
};

}  // namespace kl
