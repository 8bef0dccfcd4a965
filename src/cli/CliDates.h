#pragma once

#include "model/DateTime.h"

#include <optional>
#include <string>

namespace planova::cli {

/// "YYYY-MM-DD" as a valid date at 00:00, or nothing (wrong shape or no such date).
std::optional<DateTime> ParseIsoDate(const std::string& text);

/// "YYYY-MM-DD HH:MM:SS" as a valid local date-time, or nothing.
std::optional<DateTime> ParseIsoDateTime(const std::string& text);

} // namespace planova::cli
