#pragma once

#include "model/CellColours.h"
#include "model/DateTime.h"

#include <array>
#include <string>

namespace planova {

/**
 * The three classic body rhythms of a date counted from a birthday: physical (23 days),
 * emotional (28 days) and intellectual (33 days), each in one of four states:
 * 0 the cycle starts, 1 its mid-point, 2 first half (also every day before the birthday that is
 * not a cycle start), 3 second half.
 */
class CBiorhythm
{
public:
    /// Rhythm k = 0, 1, 2: physical, emotional, intellectual.
    static constexpr int RhythmCount = 3;
    static constexpr std::array<int, RhythmCount> Periods{23, 28, 33};
    /// Text colours of the rhythms' markers: physical blue, emotional red, intellectual green.
    static constexpr std::array<Rgb, RhythmCount> RhythmColour{Rgb{0, 0, 255}, Rgb{255, 0, 0},
                                                               Rgb{0, 255, 0}};

    /// Stores both dates and classifies the target date in the three rhythms.
    void SetDates(const DateTime& birthday, const DateTime& target);

    /// The state 0 ... 3 of the rhythm with period `period` for the stored dates.
    int RhythmState(int period) const;

    /// The state of rhythm k (0 ... 2) as set by SetDates.
    int State(int k) const { return States.at(static_cast<std::size_t>(k)); }

    /**
     * Rhythm k's one-character marker for its state, as code page 932 bytes: "▲△＋－" (physical),
     * "■□＋－" (emotional), "▼▽＋－" (intellectual) by state; "○" for any other k.
     */
    std::string RhythmMarker(int k) const;

private:
    DateTime Birthday;
    DateTime Target;
    std::array<int, RhythmCount> States{};
};

} // namespace planova
