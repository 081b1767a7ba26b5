#include "core/state.h"

#include <utility>

namespace kl {

GregorianDate currentDate;
GregorianDate todayDate;
CalendarDay currentDay;

namespace {
std::function<void()>& stateAction() {
    static std::function<void()> action;
    return action;
}
}  // namespace

void setStateAction(std::function<void()> action) { stateAction() = std::move(action); }

void recomputeCurrentDay() {
    currentDay = computeCalendarDay(currentDate);
    if (stateAction()) stateAction()();
}

}  // namespace kl
