#pragma once

#include "model/DateTime.h"

#include <string>

namespace planova {

/// Where the last search found its text: the day, the field (DayFields.h), the line and column.
struct FindHitState
{
    bool Found = false;
    DateTime Date = DateTime::FromDayNumber(0.0);
    int Field = 0;
    int Column = -1;
    int Line = -1;
    std::string Text;
};

} // namespace planova
