#pragma once

#include "model/DateTime.h"

#include <string>

namespace planova {

/// The fields of a ToDo item that find searches, numbered after the day's.
enum ToDoFindField : int
{
    ToDoSubjectField = 1, ///< "件名"
    ToDoMemoField = 2,    ///< "メモ"
};

/**
 * Where the last search found its text: the day (or the ToDo item), the field (DayFields.h, or
 * ToDoFindField for an item), the line and column.
 */
struct FindHitState
{
    bool Found = false;
    DateTime Date = DateTime::FromDayNumber(0.0);
    int Field = 0;
    int Column = -1;
    int Line = -1;
    std::string Text;
    /// The index of the ToDo item hit; −1 for a hit in a day.
    int ToDoItem = -1;
};

} // namespace planova
