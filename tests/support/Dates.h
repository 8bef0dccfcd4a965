#pragma once

#include "model/DateTime.h"

namespace planova::test {

/// The calendar date at 00:00 (invalid when the numbers form no date): the tests' one way to write a date.
inline DateTime Date(int year, int month, int day)
{
    return DateTime::FromDate(year, month, day);
}

} // namespace planova::test
