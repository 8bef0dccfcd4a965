#include "model/Clock.h"

#include <ctime>

namespace planova {
namespace {

std::optional<DateTime>& FixedNow()
{
    static std::optional<DateTime> fixed;
    return fixed;
}

} // namespace

DateTime Now()
{
    if (FixedNow())
        return *FixedNow();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTime::FromDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                  local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

void SetFixedNow(std::optional<DateTime> fixed)
{
    FixedNow() = fixed;
}

FixedNowScope::FixedNowScope(DateTime fixed) : Previous(FixedNow())
{
    FixedNow() = fixed;
}

FixedNowScope::~FixedNowScope()
{
    FixedNow() = Previous;
}

} // namespace planova
