#pragma once

#include "model/CToDo.h"

#include <string_view>
#include <vector>

namespace planova {

/**
 * The ToDo items of a ToDo element's value: item i is read from FindElement(toDoText, "Task", i)
 * and its fields from the first Kennmei, Kigenn, Jyuuyoudo and Memo elements inside it. Items are
 * built for the task elements present only, at most `count`. Throws DataFileError when a task
 * element follows the `count` announced ones, or when overlapping tasks would together take more
 * text than the element holds. Every tag is located once, so the time grows with the length of
 * the text, not with the square of the number of items.
 */
std::vector<CToDo> ReadToDoItems(std::string_view toDoText, std::size_t count, const CToDo& blank);

} // namespace planova
