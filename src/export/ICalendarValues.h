#pragma once

#include "model/DateTime.h"

#include <libical/ical.h>

#include <memory>

namespace planova {

struct ICalendarComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

/// A libical component owned (with its properties and subcomponents), freed at the end.
using ICalendarComponent = std::unique_ptr<icalcomponent, ICalendarComponentFree>;

/// The date as an iCalendar DATE value (no time, no zone).
inline icaltimetype ICalendarDate(const DateTime& date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.Year();
    time.month = date.Month();
    time.day = date.Day();
    return time;
}

} // namespace planova
