#pragma once

#include "model/DateTime.h"

#include <optional>

namespace planova {

/// The current local date and time: the one clock of the program.
DateTime Now();

/// Fixes what Now() returns (tests and reproducible command-line runs); nullopt returns to the real clock.
void SetFixedNow(std::optional<DateTime> fixed);

/// Fixes the clock for the lifetime of the object and restores the previous state afterwards.
class FixedNowScope
{
public:
    explicit FixedNowScope(DateTime fixed);
    ~FixedNowScope();
    FixedNowScope(const FixedNowScope&) = delete;
    FixedNowScope& operator=(const FixedNowScope&) = delete;

private:
    std::optional<DateTime> Previous;
};

} // namespace planova
