#include "sky/CBiorhythm.h"

#include "model/FixedTexts.h"

#include <cmath>

namespace planova {
namespace {

constexpr double HalfSecondInDays = 0.5 / 86400.0;
/// Each marker is one double-byte character.
constexpr std::size_t MarkerBytes = 2;

/// The four markers of each rhythm, in state order.
const std::array<std::string, CBiorhythm::RhythmCount>& MarkerTexts()
{
    static const std::array<std::string, CBiorhythm::RhythmCount> texts{
        Cp932Literal("▲△＋－"), Cp932Literal("■□＋－"), Cp932Literal("▼▽＋－")};
    return texts;
}

} // namespace

void CBiorhythm::SetDates(const DateTime& birthday, const DateTime& target)
{
    Birthday = birthday;
    Target = target;
    for (std::size_t k = 0; k < Periods.size(); ++k)
        States[k] = RhythmState(Periods[k]);
}

int CBiorhythm::RhythmState(int period) const
{
    const double days = Target.DayNumber() - Birthday.DayNumber();
    // Whole days; the half second absorbs rounding of the two date values.
    const double wholeDays = std::trunc(days >= 0.0 ? days + HalfSecondInDays : days - HalfSecondInDays);
    const double remainder = std::fmod(wholeDays, static_cast<double>(period));
    const int half = period / 2;
    if (remainder == 0.0)
        return 0;
    if (remainder == half)
        return 1;
    if (remainder > half)
        return 3;
    return 2;
}

std::string CBiorhythm::RhythmMarker(int k) const
{
    if (k < 0 || k >= RhythmCount) {
        static const std::string none = Cp932Literal("○");
        return none;
    }
    const std::size_t state = static_cast<std::size_t>(States[static_cast<std::size_t>(k)]);
    return MarkerTexts()[static_cast<std::size_t>(k)].substr(state * MarkerBytes, MarkerBytes);
}

} // namespace planova
