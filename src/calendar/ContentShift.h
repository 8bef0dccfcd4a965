#pragma once

#include "calendar/ToolDates.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <string>

namespace planova {

enum class ShiftDirection
{
    /// "繰り上げ（前倒し）": every content moves to the class's previous lesson; the first is dropped.
    Earlier = 0,
    /// "繰り下げ（先送り）": every content moves to the class's next lesson; the last is dropped.
    Later = 1,
};

/**
 * The Japanese reason why the class's contents cannot be moved through the range, or empty when they
 * can: an empty class name (it would match every row without a plan), an invalid date, or a start
 * after the end.
 */
std::string ShiftRefusal(const DateTime& start, const DateTime& end, const std::string& className);

/**
 * Moves the contents of one class's lessons by one lesson through the range. A lesson is a
 * period row whose plan equals the class name exactly; lessons are ordered by date, then row.
 * Only contents move; the lesson at the open end gets the empty text. Days with a lesson are
 * stored, others are not touched. Refused, changing nothing, for the reasons of ShiftRefusal.
 * The command that runs it makes the run one undo step.
 */
Outcome ShiftContents(CPlanovaDoc& document, ShiftDirection direction, const DateTime& start,
                      const DateTime& end, const std::string& className);

} // namespace planova
