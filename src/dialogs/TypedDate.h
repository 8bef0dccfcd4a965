#pragma once

#include "model/DateTime.h"

#include <string>
#include <string_view>

namespace planova {

/// A date as the user typed it: the date (00:00), or the reason it was refused (UTF-8).
struct TypedDate
{
    DateTime Date;
    std::string Error;

    bool Ok() const { return Error.empty(); }
};

/**
 * Reads a whole date typed into a date field: "2026/12/15" or "2026-12-15" (month and day may
 * have one digit) or "20261215"; spaces around it are ignored. Any other text, and a text that
 * names no date (30 February, month 13), is refused with a message that says what to type.
 */
TypedDate ReadTypedDate(std::string_view text);

} // namespace planova
