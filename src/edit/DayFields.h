#pragma once

#include "model/CDayData.h"

#include <string>

namespace planova {

// The texts of a day by number, as a find hit numbers them (FindField of view/DayDrawing.h):
// 1 the time-table kind, 2 the event, 3 + 3i, 4 + 3i, 5 + 3i the label, plan and content of
// period row i, 33 the memo.

/// The highest field number: the memo.
constexpr int LastDayField = 33;

/// The text of field 1–33 of a day.
const std::string& DayFieldText(const CDayData& day, int field);
/// Writes field 1–33 of a day.
void SetDayFieldText(CDayData& day, int field, std::string text);

} // namespace planova
