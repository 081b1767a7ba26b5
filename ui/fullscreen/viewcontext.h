// Everything a view renderer is given: the canvas to draw on, the day on
// show with its relations, the settings the views read, the scratch picture
// and the window's hooks.
#pragma once

#include "core/calendar.h"
#include "core/kin.h"
#include "platform/picture.h"
#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/viewcanvas.h"

namespace kl {

struct ViewSettings {
    bool bookDate = false;  // Gregorian date on the book-of-kins page (cb7)
    bool dayDate = false;   // in the day view (cb8)
    bool iconDate = true;   // under the day icons of the calendar views (cb9)
    int dateFormat = 5;     // gregtostr format: position of cbx's text in its list
    bool dayIconInWings = false;  // _Sfigure
    bool yearShine = false;       // _Yshine
    bool yearLine = false;        // _Yline
    bool yearFigure = false;      // _Yfigure
};

// The settings as they stand now.
ViewSettings currentViewSettings();

struct ViewContext {
    ViewCanvas& canvas;
    int mode;                    // the mode being drawn (not necessarily the one requested)
    GregorianDate date;          // currentDate
    CalendarDay day;             // currentDay
    KinRelations relations;      // of currentDay
    ViewSettings settings;
    platform::Picture& scratch;  // work picture of the year view
    DispatcherHooks& hooks;
};

}  // namespace kl
